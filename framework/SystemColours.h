#pragma once

#include "nmea/AllSystems.h"

#include <QColor>
#include <QString>

namespace orbilunex {

// The colour a satellite system is drawn in while every system is shown,
// the same in every window; light enough for the sky plot's black ground
// and dark enough for a printed page.
inline QColor systemColour(int system)
{
    switch (system) {
    case SystemGps: return QColor(64, 160, 255);
    case SystemGlonass: return QColor(255, 96, 64);
    case SystemGalileo: return QColor(0, 200, 120);
    case SystemBeiDou: return QColor(230, 180, 0);
    case SystemQzss: return QColor(200, 100, 255);
    case SystemNavic: return QColor(255, 120, 200);
    case SystemSbas: return QColor(160, 160, 160);
    default: return QColor(200, 200, 200);
    }
}

// "G12", "R65": the system's letter before the PRN.
inline QString systemPrnText(int system, int prn)
{
    return QChar::fromLatin1(systemLetter(system)) + QString::number(prn);
}

} // namespace orbilunex
