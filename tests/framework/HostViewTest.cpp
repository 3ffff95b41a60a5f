#include "framework/HostView.h"
#include "shell/WindowKinds.h"
#include "tests/common/FakeAppContext.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPointer>

#include <memory>

namespace orbilunex {
namespace {

using test::FakeAppContext;

constexpr IntSetting kFlag{"Probe", "Flag", 1};

// A window kind reduced to what the host gives it: one child, one command
// and one check item bound to kFlag.
class ProbeView : public CHostView {
public:
    ProbeView(CDocument* document, AppContext& app, QWidget* child, Ownership ownership)
        : CHostView(document, app, 0)
    {
        hostChild(child, ownership);
    }

    int commandsRun = 0;
    bool paused = false;
    QList<int> applied;

protected:
    void fillContextMenu(QMenu& menu) override
    {
        addCommand(menu, QStringLiteral("&Run"), [this] { ++commandsRun; });
        addCheck(menu, QStringLiteral("&Pause"), paused, [this] { paused = !paused; });
        menu.addSeparator();
        addBoundCheck(menu, QStringLiteral("&Flag"), kFlag, [this](int v) { applied << v; });
    }
};

// A kind without a file type, as the host's views are.
constexpr WindowKind kHostedKind{209, "Hosted Window", 1, "hosted", "", "", "", "", "", "",
                                 0, 0, 0};

class HostViewTest : public ::testing::Test {
protected:
    HostViewTest()
    {
        tmpl.kind = &kHostedKind;
        document = std::make_unique<CDocument>(tmpl, app);
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CDocument> document;
};

TEST_F(HostViewTest, ChildFillsTheViewAndGoesAsItsOwnershipSays)
{
    auto* owned = new QWidget;
    QPointer<QWidget> ownedWatch(owned);
    QWidget lent;
    {
        ProbeView view(document.get(), app, owned, CHostView::Ownership::Owned);
        view.show();
        view.resize(300, 200);
        EXPECT_EQ(owned->geometry(), QRect(0, 0, 300, 200));
        view.resize(120, 90);
        EXPECT_EQ(owned->geometry(), QRect(0, 0, 120, 90));

        ProbeView borrower(document.get(), app, &lent, CHostView::Ownership::Borrowed);
        borrower.show();
        borrower.resize(50, 40);
        EXPECT_EQ(lent.parentWidget(), &borrower);
        EXPECT_EQ(lent.geometry(), QRect(0, 0, 50, 40));
    }
    EXPECT_TRUE(ownedWatch.isNull()) << "an owned child goes with the view";
    EXPECT_EQ(lent.parentWidget(), nullptr) << "a borrowed child goes back to its owner";
    EXPECT_TRUE(lent.isHidden());
}

TEST_F(HostViewTest, ContextMenuOpensAtTheMouseOrInsideTheCornerFromTheKeyboard)
{
    ProbeView view(document.get(), app, new QWidget, CHostView::Ownership::Owned);
    view.setGeometry(40, 30, 200, 100);
    view.show();
    const QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(70, 20), QPoint(777, 555));
    EXPECT_EQ(view.contextMenuPosition(mouse), QPoint(777, 555));
    const QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, QPoint(70, 20),
                                     QPoint(777, 555));
    EXPECT_EQ(view.contextMenuPosition(keyboard), view.mapToGlobal(QPoint(5, 5)));
    EXPECT_NE(view.mapToGlobal(QPoint(5, 5)), QPoint(5, 5)) << "the view is not at the origin";
}

TEST_F(HostViewTest, BoundCheckItemsFollowTheStoreAndWriteAtOnce)
{
    struct Case {
        const char* stored; // nullptr: no value stored
        bool checked;
        int afterToggle;
        const char* legend;
    };
    const Case cases[] = {
        {nullptr, true, 0, "missing: the default, on"},
        {"1", true, 0, "on"},
        {"0", false, 1, "off"},
        {"7", false, 1, "anything but 1 is off, and toggles on"},
        {"junk", true, 0, "damaged: the default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        FakeAppContext context;
        if (c.stored) context.store.setString(kFlag.section, kFlag.key, c.stored);
        CDocument doc(tmpl, context);
        ProbeView view(&doc, context, new QWidget, CHostView::Ownership::Owned);

        std::unique_ptr<QMenu> menu(view.buildContextMenu());
        ASSERT_EQ(menu->actions().size(), 4);
        QAction* run = menu->actions()[0];
        QAction* pause = menu->actions()[1];
        QAction* flag = menu->actions()[3];
        EXPECT_FALSE(run->isCheckable());
        EXPECT_TRUE(flag->isCheckable());
        EXPECT_EQ(flag->isChecked(), c.checked);
        ASSERT_EQ(view.applied.size(), 1) << "the window takes the stored value on opening";
        EXPECT_EQ(view.applied.last(), readSetting(context.store, kFlag));

        flag->trigger();
        EXPECT_EQ(context.store.getInt(kFlag.section, kFlag.key, -1), c.afterToggle);
        EXPECT_EQ(view.applied.last(), c.afterToggle);
        run->trigger();
        EXPECT_EQ(view.commandsRun, 1);
        EXPECT_FALSE(pause->isChecked());
        pause->trigger();
        std::unique_ptr<QMenu> again(view.buildContextMenu());
        EXPECT_TRUE(again->actions()[1]->isChecked()) << "the mark shows the window's state";
    }
}

TEST_F(HostViewTest, TimerRunsAtTheViewsPeriod)
{
    ProbeView view(document.get(), app, new QWidget, CHostView::Ownership::Owned);
    EXPECT_FALSE(view.tickTimer().isActive()) << "a period of 0 runs no timer";
    view.setTickInterval(100);
    EXPECT_TRUE(view.tickTimer().isActive());
    EXPECT_EQ(view.tickTimer().interval(), 100);
}

TEST_F(HostViewTest, AViewWithoutAPageLayoutPrintsItsPicture)
{
    auto* picture = new QWidget;
    picture->setAutoFillBackground(true);
    QPalette palette = picture->palette();
    palette.setColor(QPalette::Window, QColor(20, 40, 160));
    picture->setPalette(palette);
    ProbeView view(document.get(), app, picture, CHostView::Ownership::Owned);
    view.show();
    view.resize(400, 200);
    QImage page(850, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    view.printPage(painter, QRect(50, 50, 750, 1000), 100);
    painter.end();
    // Scaled to the page's width, keeping its shape: 750 x 375 from the top.
    EXPECT_EQ(page.pixel(60, 60), qRgb(20, 40, 160));
    EXPECT_EQ(page.pixel(790, 415), qRgb(20, 40, 160));
    EXPECT_EQ(page.pixel(425, 440), qRgb(255, 255, 255)) << "below the picture stays blank";
    EXPECT_EQ(page.pixel(40, 60), qRgb(255, 255, 255)) << "outside the page rectangle";
}

} // namespace
} // namespace orbilunex
