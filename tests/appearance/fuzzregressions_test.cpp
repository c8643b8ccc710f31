// Skin files are read in pieces (the reader used to ask for its whole size
// limit at once): a file read from disk must parse as its bytes do.
#include "appearance/skinformat.h"
#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>

using namespace radiane::appearance;
using radiane::test::TempProgramFolder;

namespace {

QByteArray skinWithSheetOf(qsizetype sheetBytes) {
    QByteArray text = "RADIANE-SKIN 1\nname = Long\nwindow = #eeeeee\nwindow-text = #000000\n"
                      "base = #ffffff\ntext = #000000\nbutton = #dddddd\nbutton-text = #000000\n"
                      "highlight = #3366cc\nhighlighted-text = #ffffff\n[style-sheet]\n";
    text += "QMenu  { color: #123456; }\n/*";
    text += QByteArray(sheetBytes - 32, 'x');
    text += "*/\n";
    return text;
}

TEST(SkinFilePieces, ASheetAcrossManyPiecesLoadsAsItsBytesParse) {
    for (const qsizetype size :
         {qsizetype{16 * 1024}, qsizetype{100 * 1024}, kMaxSkinFileBytes - 400}) {
        TempProgramFolder folder;
        const QByteArray bytes = skinWithSheetOf(size);
        ASSERT_LE(bytes.size(), kMaxSkinFileBytes);
        folder.write("long.urf", bytes);
        const SkinParse fromFile = loadSkinFile(folder.file("long.urf"));
        const SkinParse fromBytes = parseSkin(bytes);
        ASSERT_TRUE(fromBytes.ok()) << fromBytes.error.toStdString();
        ASSERT_TRUE(fromFile.ok()) << fromFile.error.toStdString();
        EXPECT_EQ(fromFile.skin->styleSheet, fromBytes.skin->styleSheet) << size;
    }
}

} // namespace
