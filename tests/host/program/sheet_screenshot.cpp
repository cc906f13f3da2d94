// Saves the whole window of the main sheet, one PNG per page, from the
// profile SONDREL_PROFILE names: sheet_screenshot <file prefix>.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "program_sheet.h"
#include "sondrel/app/command_ids.h"
#include "sondrel/language/resource_reader.h"
#include "sondrel/ui/language_text.h"

using namespace sondrel;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sheet_screenshot <file prefix>\n");
        return 2;
    }
    QApplication application(argc, argv);
    const language::OpenedLanguageModule glossa = language::OpenLanguageModule("Glossa.so");
    if (glossa.status != result::kSuccess) {
        std::fprintf(stderr, "Glossa.so could not be opened\n");
        return 1;
    }
    int status = 0;
    {
        const ui::ModuleLanguageText language(glossa.library);
        program::ProgramSheet sheet({}, &language);
        if (!sheet.Start()) {
            status = 1;
        } else {
            // Which of the three frequency pages this profile keeps, for choosing profiles.
            std::printf("%s: frequency page %d\n", argv[1], static_cast<int>(sheet.sheet().keptFrequencyPage()));
            const std::int32_t views[] = {app::command_id::kViewFrequencyPage,
                                          app::command_id::kViewTechnologiesPage,
                                          app::command_id::kViewCpuidPage};
            for (int index = 0; index < 3; ++index) {
                sheet.sheet().OnCommand(views[index]);
                QApplication::processEvents();
                const QString file = QString("%1-%2.png").arg(argv[1]).arg(index);
                if (!sheet.window().grab().save(file)) {
                    status = 1;
                }
            }
        }
    }
    platform::UnloadLibrary(glossa.library);
    return status;
}
