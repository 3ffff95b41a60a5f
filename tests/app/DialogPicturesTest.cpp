#include "app/CommunicationDialog.h"
#include "app/NetworkConnectDialog.h"
#include "app/NetworkServerDialog.h"
#include "app/RecordFileDialog.h"
#include "tests/common/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QPixmap>
#include <QTemporaryDir>

namespace orbilunex {
namespace {

// Lays a dialog out as shown and checks that its controls each got a place
// of their own inside it: a control left out of the layout sits at the
// top-left corner over another one. With ORBILUNEX_GUI_PICTURES set to a
// folder, also saves the dialog there as <name>.png for a person to look at.
void checkLayout(QWidget& dialog, const char* name, const QList<QWidget*>& controls)
{
    dialog.show();
    QApplication::processEvents();
    const QRect inside = dialog.rect();
    for (int i = 0; i < controls.size(); ++i) {
        QWidget* a = controls[i];
        SCOPED_TRACE(a->metaObject()->className() + (" " + a->objectName().toStdString()));
        ASSERT_TRUE(a->isVisible());
        const QRect ra(a->mapTo(&dialog, QPoint(0, 0)), a->size());
        EXPECT_TRUE(inside.contains(ra)) << "outside the dialog";
        EXPECT_FALSE(ra.isEmpty());
        for (int j = i + 1; j < controls.size(); ++j) {
            const QRect rb(controls[j]->mapTo(&dialog, QPoint(0, 0)), controls[j]->size());
            EXPECT_FALSE(ra.intersects(rb)) << "overlaps control " << j;
        }
    }

    const QPixmap picture = dialog.grab();
    EXPECT_EQ(picture.size(), dialog.size());
    const QString folder = qEnvironmentVariable("ORBILUNEX_GUI_PICTURES");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(picture.save(QDir(folder).filePath(QString::fromLatin1(name) + ".png")));
    }
}

// Every label, field, list, check box and button that is a child of parent.
QList<QWidget*> controlsOf(QWidget& parent)
{
    QList<QWidget*> controls;
    for (QWidget* w : parent.findChildren<QWidget*>())
        if (qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
            || qobject_cast<QAbstractButton*>(w))
            controls << w;
    // A combo box's own edit field lies inside it by design.
    controls.removeIf([](QWidget* w) { return qobject_cast<QComboBox*>(w->parentWidget()); });
    return controls;
}

TEST(DialogPicturesTest, CommunicationDialogControlsHaveTheirOwnPlaces)
{
    CommunicationDialog dialog(3, 4800, [](int port) { return QStringLiteral("/dev/ttyUSB%1").arg(port); });
    const QList<QWidget*> controls = controlsOf(dialog);
    EXPECT_EQ(controls.size(), 8) << "3 labels, 2 lists, 1 field, 2 buttons";
    checkLayout(dialog, "communication", controls);
}

TEST(DialogPicturesTest, NetworkConnectDialogControlsHaveTheirOwnPlaces)
{
    test::ScriptedPrompter prompter;
    NetworkConnectDialog dialog(QStringLiteral("127.0.0.1"), 10000, prompter);
    const QList<QWidget*> controls = controlsOf(dialog);
    EXPECT_EQ(controls.size(), 6) << "2 labels, 2 fields, 2 buttons";
    checkLayout(dialog, "network-connect", controls);
}

TEST(DialogPicturesTest, NetworkServerDialogControlsHaveTheirOwnPlaces)
{
    test::ScriptedPrompter prompter;
    NetworkServerDialog dialog(10000, 25, prompter);
    const QList<QWidget*> controls = controlsOf(dialog);
    EXPECT_EQ(controls.size(), 8) << "4 labels, 2 fields, 2 buttons";
    checkLayout(dialog, "network-server", controls);
    // The explanation keeps its line feed: two lines, above the count.
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().contains('\n')) {
            EXPECT_GE(label->height(), 2 * label->fontMetrics().height());
        }
}

TEST(DialogPicturesTest, RecordPanelSitsBelowTheFileControls)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CRecordFileDialog dialog(nullptr, dir.path());
    dialog.resize(640, 420);
    QWidget* panel = dialog.durationEdit()->parentWidget();
    QList<QWidget*> controls = controlsOf(*panel);
    EXPECT_EQ(controls.size(), 3) << "label, field, check box";
    // The list and detail views of the files share one stacked widget.
    auto* list = dialog.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(list && name && types);
    controls << name << types;
    checkLayout(dialog, "record-nmea", controls);

    const auto bottomOf = [&](QWidget* w) { return w->mapTo(&dialog, QPoint(0, w->height())).y(); };
    const int panelTop = panel->mapTo(&dialog, QPoint(0, 0)).y();
    EXPECT_GE(panelTop, bottomOf(list));
    EXPECT_GE(panelTop, bottomOf(types));
}

} // namespace
} // namespace orbilunex
