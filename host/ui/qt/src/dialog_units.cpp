#include "sondrel/ui/qt/dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace sondrel::ui::qt {

namespace {

// The dialog font's face and size: a plain sans serif that Debian ships
// (fonts-dejavu-core); fontconfig substitutes another sans serif without it.
constexpr const char* kDialogFace = "DejaVu Sans";
constexpr int kDialogPixelSize = 11;

// The average width is taken over the 52 letters, as dialog base units are.
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;

// Dialog units per average character width and per character height.
constexpr int kUnitsAcross = 4;
constexpr int kUnitsDown = 8;

int Scale(int units, int base, int divisor) {
    // Rounded to the nearest pixel, as the window system's own conversion does.
    const long long scaled = static_cast<long long>(units) * base;
    return static_cast<int>((scaled + (scaled >= 0 ? divisor / 2 : -(divisor / 2))) / divisor);
}

}  // namespace

QFont DialogFont() {
    QFont font(QString::fromLatin1(kDialogFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kDialogPixelSize);
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int total = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
    DialogBaseUnits units;
    units.width = std::max(1, (total / (kAlphabetLength / 2) + 1) / 2);
    units.height = std::max(1, metrics.height());
    return units;
}

QRect ToPixels(const SondrelRectangle& rectangle, DialogBaseUnits units) {
    return {Scale(rectangle.x, units.width, kUnitsAcross), Scale(rectangle.y, units.height, kUnitsDown),
            Scale(rectangle.width, units.width, kUnitsAcross),
            Scale(rectangle.height, units.height, kUnitsDown)};
}

}  // namespace sondrel::ui::qt
