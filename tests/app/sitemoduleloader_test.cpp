#include "app/sitemoduleloader.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace radiane::app {
namespace {

// The module is loaded by its base name; a missing or broken one is named.
TEST(SiteModuleLoader, StartsTheModuleOrNamesTheFile) {
    const char* const cases[] = {"none", "not a module", "the built module"};
    for (const QByteArray module : cases) {
        const test::TempProgramFolder folder;
        const QString file = QStringLiteral(SITE_MODULE_FILE_NAME);
        if (module == "the built module")
            QFile::copy(QStringLiteral(SITE_MODULE), folder.file(file));
        else if (module != "none")
            folder.write(file, module);
        const SiteStart started = startSiteModule(folder.folder());
        const bool named = started.failure.contains(folder.file(QStringLiteral("radiane-site")));
        EXPECT_TRUE(module == "the built module" ? started.port != 0 : named) << module.data();
    }
}

} // namespace
} // namespace radiane::app
