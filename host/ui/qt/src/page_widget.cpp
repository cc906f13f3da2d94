#include "sondrel/ui/qt/page_widget.h"

#include <QMetaObject>
#include <QShowEvent>
#include <QVBoxLayout>

#include "sondrel/ui/qt/template_surface.h"

namespace sondrel::ui::qt {

PageWidget::PageWidget(ResultPage& page, const SondrelDialogTemplate& dialog, QWidget* parent)
    : QWidget(parent), page_(page), surface_(new TemplateSurface(dialog, this)) {
    // The tab is as large as the largest page: a smaller page grows to fill
    // it, so its background covers the whole tab; the controls keep their
    // places from the template.
    surface_->setMinimumSize(surface_->size());
    surface_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface_);
    surface_->SetEvents(&page_);
}

ResultCode PageWidget::Activate() {
    const ResultCode code = page_.Activate(*surface_);
    if (code != result::kSuccess) {
        if (onFailure_) {
            onFailure_(code);
        }
        return code;
    }
    // Queued: runs after the activation's own events, as a posted message would.
    QMetaObject::invokeMethod(
        this, [this] { page_.AfterActivation(*surface_); }, Qt::QueuedConnection);
    return code;
}

void PageWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Activate();
    }
}

std::unique_ptr<PageWidget> MakePageWidget(ResultPage& page, const LanguageText& language, QWidget* parent) {
    const SondrelDialogTemplate* dialog = language.Dialog(page.TemplateId());
    if (dialog == nullptr) {
        return nullptr;
    }
    return std::make_unique<PageWidget>(page, *dialog, parent);
}

}  // namespace sondrel::ui::qt
