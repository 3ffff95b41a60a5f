#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "views/commandmonitor/CommandMonitorDoc.h"
#include "views/commandmonitor/CommandMonitorView.h"
#include "views/commandmonitor/MonitorEdit.h"
#include "views/commandmonitor/CommandMonitorKind.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QJsonObject>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

#include <memory>
#include <string>

namespace orbilunex {
namespace {

using test::FakeAppContext;

class CommandMonitorWindowTest : public ::testing::Test {
protected:
    CommandMonitorWindowTest()
    {
        tmpl.kind = &kCommandMonitorKind.kind;
        document = std::make_unique<CCommandMonitorDoc>(tmpl, app);
        view = std::make_unique<CCommandMonitorView>(document.get(), app);
        view->resize(400, 200);
        view->show();
    }

    // One chunk, shown as the pace would show it at the latest.
    void add(const std::string& chunk)
    {
        document->addText(chunk.data(), static_cast<int>(chunk.size()));
        document->showWaiting();
    }

    std::string held() const { return view->edit()->model().text(); }
    QString shown() const { return view->edit()->toPlainText(); }

    // Chooses the context menu's item `index` (0: Pause, 1: Erase Screen).
    void choose(int index)
    {
        std::unique_ptr<QMenu> menu(view->buildContextMenu());
        menu->actions().at(index)->trigger();
    }

    bool pauseMarked()
    {
        std::unique_ptr<QMenu> menu(view->buildContextMenu());
        return menu->actions().at(0)->isChecked();
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CCommandMonitorDoc> document;
    std::unique_ptr<CCommandMonitorView> view;
};

TEST_F(CommandMonitorWindowTest, ContextMenuPausesAndErases)
{
    // A right click on the text opens the view's menu, not the control's own.
    QStringList items;
    QTimer::singleShot(0, view.get(), [&items] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : menu->actions()) items << action->text();
            menu->close();
        }
    });
    QWidget* text = view->edit()->viewport();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10),
                            text->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(text, &click);
    EXPECT_EQ(items, QStringList({"&Pause", "&Erase Screen"}));
    EXPECT_FALSE(pauseMarked());

    add("$GPRMC,A\r\n");
    choose(0);
    EXPECT_EQ(document->paused, 1);
    EXPECT_TRUE(pauseMarked());
    add("$GPGGA,lost\r\n");
    EXPECT_EQ(held(), "$GPRMC,A\r\n") << "text received while paused is dropped";

    choose(0);
    EXPECT_EQ(document->paused, 0);
    EXPECT_FALSE(pauseMarked());
    add("$GPGSA,new");
    EXPECT_EQ(held(), "$GPRMC,A\r\n$GPGSA,new") << "resuming shows only new text";
    EXPECT_EQ(shown(), "$GPRMC,A\n$GPGSA,new");

    choose(1);
    EXPECT_EQ(held(), "");
    EXPECT_EQ(shown(), "");
    choose(1);
    EXPECT_EQ(shown(), "") << "erasing an empty screen changes nothing";
    add("\bafter");
    EXPECT_EQ(shown(), "after");
}

TEST_F(CommandMonitorWindowTest, DisplayFollowsTheHeldText)
{
    struct Step {
        std::string chunk;
        QString shown;
        const char* legend;
    };
    const Step steps[] = {
        {"$GPGGA,1\r\n$GPGSV,2\r\n", "$GPGGA,1\n$GPGSV,2\n", "appended: line ends break"},
        {"$GPRMC\xb0", QStringLiteral("$GPGGA,1\n$GPGSV,2\n$GPRMC\u00b0"), "bytes as Latin-1"},
        {"\b\b\b\b\b\b\b\b", "$GPGGA,1\n$GPGSV,2", "rebuilt: backspaces split a line end"},
        {"X\r", "$GPGGA,1\n$GPGSV,2X\n", "a lone CR shows nothing once its LF went"},
        {"\b\b\b\b\b", "$GPGGA,1\n$GPGSV,", "erasing across what was appended"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.legend);
        add(step.chunk);
        EXPECT_EQ(shown(), step.shown);
        EXPECT_EQ(shown(), CMonitorEdit::displayText(held()));
        EXPECT_EQ(view->edit()->textCursor().position(), shown().size()) << "caret at the end";
    }
}

TEST_F(CommandMonitorWindowTest, TrimRebuildsTheDisplay)
{
    view->resize(240, 200); // narrower than a sentence: lines are not wrapped
    const std::string line = "$GPGGA,123519,4807.038,N,01131.000,E*47\r\n"; // 41 characters
    for (int i = 0; i < 400; ++i) add(line);
    ASSERT_EQ(held().size(), 16400u);
    add("$GPRMC");
    EXPECT_EQ(held().size(), 16400u - 4097u + 6u);
    EXPECT_EQ(held().substr(0, 4), "7\r\n$") << "4097 = 99 lines and 38 characters";
    EXPECT_EQ(shown(), CMonitorEdit::displayText(held()));
    EXPECT_TRUE(shown().startsWith(QStringLiteral("7\n$GPGGA,")));

    QApplication::processEvents();
    EXPECT_TRUE(view->edit()->verticalScrollBar()->isVisible());
    EXPECT_TRUE(view->edit()->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(view->edit()->viewport()->rect().contains(view->edit()->cursorRect()))
        << "the caret stays in view once the scroll bars settle";
    QImage picture = view->grab().toImage();
    test::savePicture(picture, "command-monitor.png");

    // A cut between a carriage return and its line feed: the shown line
    // break goes with the carriage return.
    view->eraseScreen();
    for (int i = 0; i < 2731; ++i) add("abcd\r\n"); // 16386: the 4097th is a CR
    add("x");
    EXPECT_EQ(held().substr(0, 5), "\nabcd");
    EXPECT_EQ(shown(), CMonitorEdit::displayText(held()));
}

TEST_F(CommandMonitorWindowTest, AppendingKeepsTheLeftEdgeUnlessTheUserScrolledSideways)
{
    view->resize(240, 200);
    QScrollBar* sideways = view->edit()->horizontalScrollBar();
    const std::string sentence =
        "$GPGSV,3,1,12,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75\r\n";
    // Chunks cut mid-sentence, as a fast link delivers them: the caret ends
    // each one far to the right.
    auto feed = [&] {
        for (int i = 0; i < 30; ++i) {
            add(sentence);
            add(sentence.substr(0, 60));
            add(sentence.substr(60));
        }
        add(sentence.substr(0, 60));
        QApplication::processEvents();
    };
    feed();
    ASSERT_GT(sideways->maximum(), 0) << "lines wider than the window";
    EXPECT_EQ(sideways->value(), 0) << "the start of each sentence stays in view";

    // The user scrolls right: appending leaves it there.
    sideways->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int chosen = sideways->value();
    ASSERT_GT(chosen, 0);
    feed();
    EXPECT_EQ(sideways->value(), chosen);
}

TEST_F(CommandMonitorWindowTest, TypingChangesNothingButTheCaretMoves)
{
    add("first line\r\nsecond line\r\n");
    const QString before = shown();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    CMonitorEdit* edit = view->edit();
    edit->setFocus();
    auto press = [edit](int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(edit, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(edit, &up);
    };
    press(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    press(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    press(Qt::Key_Delete, Qt::NoModifier, QString());
    press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    press(Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    edit->selectAll();
    press(Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
    press(Qt::Key_Insert, Qt::ShiftModifier, QString());
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(held(), "first line\r\nsecond line\r\n");

    edit->moveCursor(QTextCursor::End);
    press(Qt::Key_Up, Qt::NoModifier, QString());
    EXPECT_EQ(edit->textCursor().blockNumber(), 1) << "navigation keys still work";
}

TEST_F(CommandMonitorWindowTest, ShowsReportsTheLengthAndTail)
{
    std::string text;
    for (int i = 0; i < 300; ++i) text += "0123456\r";
    add(text);
    const QJsonObject shows = view->shows();
    EXPECT_EQ(shows.value("length").toInt(), 2700) << "each line end counts two";
    const QString tail = shows.value("tail").toString();
    EXPECT_EQ(tail.size(), 2000);
    EXPECT_TRUE(tail.startsWith(QStringLiteral("\r\n0123456\r\n"))) << tail.left(12).toStdString();
    EXPECT_TRUE(tail.endsWith(QStringLiteral("6\r\n")));
}

TEST_F(CommandMonitorWindowTest, ChunksThatFollowAShowingWaitForThePaceInOrder)
{
    document->setPace(60 * 1000); // no clock reaches it during the test
    const auto arrive = [this](const std::string& chunk) {
        document->addText(chunk.data(), static_cast<int>(chunk.size()));
    };
    arrive("$GPGGA,1\r\n");
    EXPECT_EQ(held(), "$GPGGA,1\r\n") << "after a quiet spell: at once";
    arrive("$GPRMC,");
    arrive("2\r\n$GP");
    EXPECT_EQ(held(), "$GPGGA,1\r\n") << "within the pace: waiting";
    document->showWaiting();
    EXPECT_EQ(held(), "$GPGGA,1\r\n$GPRMC,2\r\n$GP");
    EXPECT_EQ(shown(), "$GPGGA,1\n$GPRMC,2\n$GP");

    arrive("GSA\r\n");
    EXPECT_TRUE(document->hasWaiting());
    view->eraseScreen();
    document->showWaiting();
    EXPECT_EQ(held(), "") << "what waited came before the erase";
}

} // namespace
} // namespace orbilunex
