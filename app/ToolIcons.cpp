#include "app/ToolIcons.h"

#include "app/WindowKindList.h"
#include "framework/IconKit.h"
#include "shell/Commands.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

#include <cmath>

namespace orbilunex {
namespace {

using namespace commands;
using namespace icons;

// Main tool bar ------------------------------------------------------------

void drawOpen(QPainter& p)
{
    ink(p, tint(kMainAccent, 0.55));
    p.drawPolygon(QPolygonF({{1.5, 2.5}, {6, 2.5}, {7.5, 4}, {13.5, 4}, {13.5, 13.5}, {1.5, 13.5}}));
    ink(p, QColor(kMainAccent));
    p.drawPolygon(QPolygonF({{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13.5, 13.5}}));
}

void drawSave(QPainter& p)
{
    ink(p, QColor(kMainAccent));
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}));
    ink(p, QColor(kMist));
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.fillRect(QRectF(9, 2.5, 1.5, 3), QColor(kInk));
    ink(p, QColor(kPaper));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void drawCut(QPainter& p)
{
    p.setPen(pen(kInk, 1.5));
    p.drawLine(QPointF(4.5, 1), QPointF(10.5, 10.5));
    p.drawLine(QPointF(11.5, 1), QPointF(5.5, 10.5));
    p.setPen(pen(kMainAccent, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.2, 2.2);
    p.drawEllipse(QPointF(11.5, 12.5), 2.2, 2.2);
}

// A sheet of paper with ruled lines, the ruled part inset from the edges.
void page(QPainter& p, const QRectF& r, int lines)
{
    ink(p, QColor(kPaper));
    p.drawRect(r);
    p.setPen(pen(kMainAccent));
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + 3 + 2 * i;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void drawCopy(QPainter& p)
{
    page(p, QRectF(1.5, 1.5, 8, 10), 3);
    page(p, QRectF(6.5, 4.5, 8, 10), 3);
}

void drawPaste(QPainter& p)
{
    ink(p, tint(kMainAccent, 0.35));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    ink(p, QColor(kInk));
    p.drawRoundedRect(QRectF(4.5, 1.5, 4, 2.5), 0.8, 0.8);
    page(p, QRectF(6.5, 6.5, 8, 8), 3);
}

void drawPrint(QPainter& p)
{
    ink(p, QColor(kPaper));
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    ink(p, QColor(kMist));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
    dot(p, QPointF(12.5, 7.5), 0.9, QColor(kMainAccent));
    ink(p, QColor(kPaper));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setPen(pen(kMainAccent));
    p.drawLine(QPointF(6.5, 11.5), QPointF(9.5, 11.5));
}

void drawAbout(QPainter& p)
{
    ink(p, QColor(kMainAccent));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    dot(p, QPointF(8, 4.6), 1.2, QColor(kPaper));
    p.fillRect(QRectF(7, 6.6, 2, 5.4), QColor(kPaper));
}

void drawContextHelp(QPainter& p)
{
    ink(p, QColor(kPaper));
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {1.5, 12.5}, {4.2, 10}, {6, 14}, {7.9, 13.2},
                             {6.1, 9.5}, {9.5, 9.5}}));
    QPainterPath hook;
    const QRectF bowl = around(QPointF(12.1, 4.6), 2.3);
    hook.arcMoveTo(bowl, 170);
    hook.arcTo(bowl, 170, -230);
    hook.lineTo(12.1, 8.2);
    hook.lineTo(12.1, 9.6);
    p.setPen(pen(kMainAccent, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    dot(p, QPointF(12.1, 12.6), 1.1, QColor(kMainAccent));
}

// Connect tool bar ---------------------------------------------------------

void drawSerialPort(QPainter& p)
{
    ink(p, QColor(kConnectAccent));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {14.5, 3.5}, {12.5, 10}, {3.5, 10}}));
    for (qreal x : {4.8, 8.0, 11.2}) dot(p, QPointF(x, 5.8), 0.95, QColor(kInk));
    for (qreal x : {6.4, 9.6}) dot(p, QPointF(x, 8.0), 0.95, QColor(kInk));
    p.fillRect(QRectF(6, 10, 4, 2), QColor(kInk));
    p.setPen(pen(kInk, 2));
    p.drawLine(QPointF(8, 12), QPointF(8, 15.5));
}

void drawNetwork(QPainter& p)
{
    p.setPen(pen(kInk));
    p.drawPolyline(QPolygonF({{8.5, 3.5}, {11.5, 3.5}, {11.5, 7.5}}));
    for (const QPointF& at : {QPointF(1.5, 1.5), QPointF(7.5, 7.5)}) {
        ink(p, QColor(kConnectAccent));
        p.drawRect(QRectF(at, QSizeF(7, 5)));
        p.fillRect(QRectF(at + QPointF(2.5, 5.5), QSizeF(2, 1)), QColor(kInk));
        p.fillRect(QRectF(at + QPointF(0.5, 6.5), QSizeF(6, 1)), QColor(kInk));
    }
}

void drawFilePlayback(QPainter& p)
{
    ink(p, QColor(kPaper));
    p.drawPolygon(QPolygonF({{2.5, 1.5}, {9.5, 1.5}, {13.5, 5.5}, {13.5, 14.5}, {2.5, 14.5}}));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{9.5, 1.5}, {9.5, 5.5}, {13.5, 5.5}}));
    p.setPen(pen(QColor(kConnectAccent).darker(130).rgb(), 0.8));
    p.setBrush(QColor(kConnectAccent));
    p.drawPolygon(QPolygonF({{5.5, 6.5}, {5.5, 12.5}, {10.8, 9.5}}));
}

void drawDisconnect(QPainter& p)
{
    p.fillRect(QRectF(0, 8, 2, 2), QColor(kInk));
    p.fillRect(QRectF(14, 8, 2, 2), QColor(kInk));
    p.setPen(QPen(QColor(kInk), 1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(5.5, 7.5), QPointF(8, 7.5));
    p.drawLine(QPointF(5.5, 10.5), QPointF(8, 10.5));
    ink(p, QColor(kConnectAccent));
    p.drawRoundedRect(QRectF(1.5, 5.5, 4, 7), 1, 1);
    ink(p, tint(kConnectAccent, 0.6));
    p.drawRoundedRect(QRectF(10.5, 5.5, 3.5, 7), 1, 1);
    // Sparks across the gap say the plug was pulled.
    p.setPen(pen(kInk));
    p.drawLine(QPointF(9.5, 1), QPointF(9.5, 3.5));
    p.drawLine(QPointF(6.5, 2), QPointF(7.7, 4));
    p.drawLine(QPointF(12.5, 2), QPointF(11.3, 4));
}

void drawNetworkServer(QPainter& p)
{
    const QPointF top(8, 5.5);
    p.setPen(pen(kInk, 1.2));
    p.drawLine(top, QPointF(5, 15));
    p.drawLine(top, QPointF(11, 15));
    p.drawLine(QPointF(6.3, 11), QPointF(9.7, 11));
    p.setPen(pen(kConnectAccent, 1.3));
    p.setBrush(Qt::NoBrush);
    for (qreal r : {3.2, 5.8}) {
        p.drawArc(around(top, r), 140 * 16, 80 * 16);
        p.drawArc(around(top, r), -40 * 16, 80 * 16);
    }
    ink(p, QColor(kConnectAccent), 0.9);
    p.drawEllipse(top, 1.4, 1.4);
}

// Record tool bar ----------------------------------------------------------

void drawRecordStart(QPainter& p)
{
    ink(p, QColor(kRecordAccent));
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
}

void drawRecordStop(QPainter& p)
{
    ink(p, tint(kInk, 0.4));
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
}

struct ToolPicture {
    int id;
    void (*draw)(QPainter&);
};

// The main tool bar's buttons, then, after the window kinds' own, those of
// the connect and record tool bars.
constexpr ToolPicture kMainPictures[] = {
    {kFileOpen, drawOpen},
    {kFileSave, drawSave},
    {kEditCut, drawCut},
    {kEditCopy, drawCopy},
    {kEditPaste, drawPaste},
    {kFilePrint, drawPrint},
    {kAppAbout, drawAbout},
    {kContextHelp, drawContextHelp},
};
constexpr ToolPicture kLinkPictures[] = {
    {kConnectSerial, drawSerialPort},
    {kConnectNetwork, drawNetwork},
    {kConnectFile, drawFilePlayback},
    {kDisconnect, drawDisconnect},
    {kNetworkServer, drawNetworkServer},
    {kRecordStart, drawRecordStart},
    {kRecordStop, drawRecordStop},
};

// The program's picture, on a 64-unit grid; data/desktop/orbilunex.svg uses
// the same coordinates and colours, so change both together.
constexpr QRgb kNight = 0xff1d3557;     // the sky disc
constexpr QRgb kNightEdge = 0xff0f1d2e; // its rim and the outlines on it
constexpr QRgb kGridLine = 0x998fb3d9;  // elevation grid, 60 % opaque
constexpr QRgb kSatelliteInView = 0xff23c0a6;
constexpr QRgb kSatelliteBody = 0xffe6ebf0;
constexpr QRgb kSignal = 0xffff4539;

void drawApplication(QPainter& p)
{
    const QPointF c(30, 34);
    p.setPen(QPen(QColor(kNightEdge), 2));
    p.setBrush(QColor(kNight));
    p.drawEllipse(c, 27, 27);
    p.setPen(QPen(QColor::fromRgba(kGridLine), 1.5, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 18, 18);
    p.drawEllipse(c, 9, 9);
    p.drawLine(QPointF(30, 8), QPointF(30, 60));
    p.drawLine(QPointF(4, 34), QPointF(56, 34));
    p.setPen(QPen(QColor(kNightEdge), 1.5));
    p.setBrush(QColor(kSatelliteInView));
    p.drawEllipse(QPointF(39, 42), 4, 4);
    p.setBrush(QColor(kConnectAccent));
    p.drawEllipse(QPointF(17, 26), 4, 4);
    // The satellite: a body between two solar wings, sending to the disc.
    p.save();
    p.translate(49, 15);
    p.rotate(45);
    p.setPen(QPen(QColor(kNightEdge), 1.5));
    p.setBrush(QColor(kMainAccent));
    p.drawRect(QRectF(-16, -4, 10, 8));
    p.drawRect(QRectF(6, -4, 10, 8));
    p.drawLine(QPointF(-6, 0), QPointF(6, 0));
    p.setBrush(QColor(kSatelliteBody));
    p.drawRect(QRectF(-4, -5, 8, 10));
    p.restore();
    p.setPen(QPen(QColor(kSignal), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF near = around(QPointF(49, 15), 9), far = around(QPointF(49, 15), 14);
    p.drawArc(near, 200 * 16, 50 * 16);
    p.drawArc(far, 200 * 16, 50 * 16);
}

} // namespace

QIcon toolIcon(int commandId)
{
    for (const ToolPicture& picture : kMainPictures)
        if (picture.id == commandId) return toolBarIcon(picture.draw);
    for (const ToolPicture& picture : kLinkPictures)
        if (picture.id == commandId) return toolBarIcon(picture.draw);
    if (const WindowKindDescriptor* kind = windowKindByCommand(commandId))
        return toolBarIcon(kind->drawIcon);
    return QIcon();
}

const std::vector<int>& toolIconCommands()
{
    static const std::vector<int> ids = [] {
        std::vector<int> all;
        for (const ToolPicture& picture : kMainPictures) all.push_back(picture.id);
        for (const WindowKindDescriptor* kind : windowKindDescriptors())
            all.push_back(kind->kind.command);
        for (const ToolPicture& picture : kLinkPictures) all.push_back(picture.id);
        return all;
    }();
    return ids;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(renderPicture(drawApplication, size, 64.0));
    return icon;
}

} // namespace orbilunex
