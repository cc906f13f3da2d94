// A result page in Qt: the surface built from the page's template, with the
// page's logic behind it. Showing the widget activates the page; the page's
// after-activation step runs once the events pending then are processed.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "sondrel/result_codes.h"
#include "sondrel/ui/language_text.h"
#include "sondrel/ui/result_page.h"

namespace sondrel::ui::qt {

class TemplateSurface;

class PageWidget : public QWidget {
public:
    PageWidget(ResultPage& page, const SondrelDialogTemplate& dialog, QWidget* parent = nullptr);

    ResultPage& Page() { return page_; }
    TemplateSurface& Surface() { return *surface_; }

    // Hears of an activation that failed (the sheet ends and reports it).
    void SetActivationFailureHandler(std::function<void(ResultCode)> handler) {
        onFailure_ = std::move(handler);
    }

    // Activates the page now: what showing the widget does.
    ResultCode Activate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ResultPage& page_;
    TemplateSurface* surface_;
    std::function<void(ResultCode)> onFailure_;
};

// The widget of `page` built from its template in `language`; null when the
// language module has no such template.
std::unique_ptr<PageWidget> MakePageWidget(ResultPage& page, const LanguageText& language,
                                           QWidget* parent = nullptr);

}  // namespace sondrel::ui::qt
