#include "support/layout_check.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace sondrel::testing {

namespace {

// Room a button's text needs beside it for the frame.
constexpr int kButtonPadding = 8;

std::string Describe(QWidget* widget, const char* what, int needed, int has) {
    return widget->objectName().toStdString() + ": " + what + " needs " + std::to_string(needed) +
           " px, has " + std::to_string(has);
}

}  // namespace

std::vector<std::string> LayoutProblems(const ui::qt::TemplateSurface& surface) {
    std::vector<std::string> problems;
    for (QWidget* widget : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget->isHidden()) {
            continue;
        }
        if (!surface.rect().contains(widget->geometry())) {
            problems.push_back(widget->objectName().toStdString() + ": outside the window");
        }
        if (const auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->text().isEmpty()) {
            const int margins = 2 * label->frameWidth();
            const int needed =
                label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            if (needed > label->height()) {
                problems.push_back(Describe(widget, "text height", needed, label->height()));
            }
            const int lineWidth =
                label->fontMetrics().horizontalAdvance(label->text().split(QLatin1Char('\n')).first());
            if (!label->wordWrap() && lineWidth + margins > label->width()) {
                problems.push_back(Describe(widget, "text width", lineWidth + margins, label->width()));
            }
        } else if (const auto* check = qobject_cast<QCheckBox*>(widget)) {
            if (check->sizeHint().width() > check->width()) {
                problems.push_back(Describe(widget, "text width", check->sizeHint().width(), check->width()));
            }
        } else if (const auto* button = qobject_cast<QPushButton*>(widget)) {
            // The style's smallest button width does not count, only the text.
            const int needed = button->fontMetrics().horizontalAdvance(button->text()) + kButtonPadding;
            if (needed > button->width()) {
                problems.push_back(Describe(widget, "text width", needed, button->width()));
            }
        }
    }
    return problems;
}

}  // namespace sondrel::testing
