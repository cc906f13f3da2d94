// Tooltip texts: a tip wider than the maximum tip width is wrapped at that
// width; a narrower one stays on its lines.
#pragma once

#include <QFont>
#include <QString>

namespace sondrel::ui::qt {

// The text Qt's tooltip is given for `text` (line breaks "\r\n", "\r" or
// "\n"), drawn in `font`, wrapped at `maxWidth` pixels when wider; 0 or
// less means no maximum.
QString TooltipText(const QString& text, const QFont& font, int maxWidth);

}  // namespace sondrel::ui::qt
