#pragma once

#include <QString>

namespace orbilunex {

class COrbilunexApp;

// Writes the main window as main.png, each open monitor window as
// <short name>.png, and status.json (pane texts, window titles, source kind,
// sentence count) into folder, which is created if needed. Returns false
// with a reason in error when something could not be written.
bool writeSnapshot(COrbilunexApp& app, const QString& folder, QString* error);

} // namespace orbilunex
