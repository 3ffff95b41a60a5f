#pragma once

#include "framework/AppContext.h"
#include "nmea/NmeaParser.h"
#include "settings/SettingsStore.h"
#include "tests/common/NmeaSentence.h"
#include "tests/common/ScriptedPrompter.h"

#include <QList>

#include <string>

namespace orbilunex::test {

// What a window needs of the application, without the application: settings
// in memory, a scripted prompter and a parser to feed sentences through. No
// main window; closed documents are remembered.
class FakeAppContext : public AppContext {
public:
    MemorySettingsStore store;
    ScriptedPrompter asker;
    NmeaParser parser;
    QList<CDocument*> closedDocuments;

    SettingsStore& settings() override { return store; }
    Prompter& prompter() override { return asker; }
    const GpsState& gpsState() const override { return parser.gpsState(); }
    std::uint64_t stateRevision() const override { return parser.stateRevision(); }
    void documentClosing(CDocument* document) override { closedDocuments << document; }
    void showStatusText(const std::string& text) override { statusText = text; }
    std::string statusText;

    // Decodes one sentence for each line of `bodies`, as if received.
    void receive(const std::string& bodies)
    {
        const std::string stream = sentences(bodies);
        parser.feed(stream.data(), stream.size());
    }
};

} // namespace orbilunex::test
