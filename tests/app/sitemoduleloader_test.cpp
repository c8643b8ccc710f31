#include "app/sitemoduleloader.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace radiane::app {
namespace {

// The module is looked for by its base name in the program folder; a missing
// or broken one is reported with its file.
TEST(SiteModuleLoader, StartsTheModuleOrNamesTheFile) {
    struct Case {
        const char* name;
        QByteArray module; // written as the module file; empty: the real one, null: none
        bool starts;
    };
    const Case cases[] = {
        {"no module", QByteArray(), false},
        {"not a module", "not a module", false},
        {"the built module", "", true},
    };
    for (const Case& c : cases) {
        const test::TempProgramFolder folder;
        const QString file = folder.file(QStringLiteral(SITE_MODULE_FILE_NAME));
        if (!c.module.isNull() && c.module.isEmpty())
            QFile::copy(QStringLiteral(SITE_MODULE), file);
        else if (!c.module.isNull())
            folder.write(QStringLiteral(SITE_MODULE_FILE_NAME), c.module);
        const SiteStart started = startSiteModule(folder.folder());
        EXPECT_EQ(started.port != 0, c.starts) << c.name;
        EXPECT_EQ(started.failure.contains(folder.file(QStringLiteral("radiane-site"))), !c.starts)
            << c.name << " " << started.failure.toStdString();
    }
}

} // namespace
} // namespace radiane::app
