#include "sondrel/ui/qt/dialog_runner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <cstdio>
#include <optional>

#include "sondrel/result_codes.h"
#include "sondrel/ui/qt/display.h"
#include "sondrel/ui/qt/template_surface.h"

namespace sondrel::ui::qt {

namespace {

// The window of a modal dialog: Escape and the close button go to the
// logic's cancel; keys that end a dialog are swallowed where the logic
// refuses them.
class ModalDialog : public QDialog {
public:
    ModalDialog(DialogLogic& logic, QWidget* owner) : QDialog(owner), logic_(logic) {
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    }

    void Attach(TemplateSurface* surface) { surface_ = surface; }

    void reject() override {
        if (surface_ != nullptr) {
            logic_.OnCancel(*surface_);
        }
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!logic_.AllowsKeyboardEnd()) {
            switch (event->key()) {
                case Qt::Key_Return:
                case Qt::Key_Enter:
                case Qt::Key_Escape:
                case Qt::Key_F4:
                    event->accept();
                    return;
                default:
                    break;
            }
        }
        QDialog::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override {
        // A dialog that keys cannot end is closed by the program only.
        if (!logic_.AllowsKeyboardEnd() && event->spontaneous()) {
            event->ignore();
            return;
        }
        QDialog::closeEvent(event);
    }

private:
    DialogLogic& logic_;
    TemplateSurface* surface_ = nullptr;
};

void AppendLine(std::string& out, const QString& line) {
    if (!line.trimmed().isEmpty()) {
        out += line.toStdString();
        out += '\n';
    }
}

}  // namespace

QtDialogRunner::QtDialogRunner(const LanguageText& language, ErrorReporter* errors)
    : language_(language), errors_(errors) {}

int QtDialogRunner::RunModal(DialogLogic& logic) {
    const SondrelDialogTemplate* dialogTemplate = language_.Dialog(logic.TemplateId());
    if (dialogTemplate == nullptr) {
        if (errors_ != nullptr) {
            errors_->ShowErrorBox(result::kUnexpectedFailure);
        }
        return 0;
    }
    QWidget* owner = owner_ != nullptr ? owner_ : QApplication::activeWindow();
    ModalDialog dialog(logic, owner);
    auto* surface = new TemplateSurface(*dialogTemplate, &dialog);
    dialog.Attach(surface);
    dialog.setWindowTitle(surface->windowTitle());
    surface->SetTitleWindow(&dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(surface);

    std::optional<int> ended;
    surface->SetEndHandler([&dialog, &ended](int result) {
        ended = result;
        if (dialog.isVisible()) {
            dialog.done(result);
        }
    });
    surface->SetEvents(&logic);

    logic.OnInitDialog(*surface);
    if (ended) {
        return *ended;
    }
    if (shownHook_) {
        shownHook_(*surface);
        if (ended) {
            return *ended;
        }
    }
    if (answersWithoutDisplay_ && RunsWithoutDisplay() && logic.AllowsKeyboardEnd()) {
        const std::string text = DescribeDialog(*surface, dialog);
        std::fputs(text.c_str(), stderr);
        logic.OnCancel(*surface);
        if (ended) {
            return *ended;
        }
    }
    const int result = dialog.exec();
    return ended.value_or(result);
}

std::string DescribeDialog(const TemplateSurface& surface, const QWidget& window) {
    std::string out;
    AppendLine(out, window.windowTitle());
    for (QWidget* child : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden()) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            AppendLine(out, label->text());
        } else if (const auto* edit = qobject_cast<const QPlainTextEdit*>(child)) {
            AppendLine(out, edit->toPlainText());
        } else if (const auto* line = qobject_cast<const QLineEdit*>(child)) {
            AppendLine(out, line->text());
        }
    }
    return out;
}

}  // namespace sondrel::ui::qt
