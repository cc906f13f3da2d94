#include "sondrel/ui/qt/tooltip_text.h"

#include <QFontMetrics>
#include <QStringList>

namespace sondrel::ui::qt {

QString TooltipText(const QString& text, const QFont& font, int maxWidth) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : lines.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    QString escaped = lines.toHtmlEscaped();
    escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    if (maxWidth > 0 && widest > maxWidth) {
        // Rich text wraps words at the table's width.
        return QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>").arg(maxWidth).arg(escaped);
    }
    // Rich text always, so that a tip that looks like markup is shown as written.
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(escaped);
}

}  // namespace sondrel::ui::qt
