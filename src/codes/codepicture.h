#pragma once

#include "common/programfolder.h"
#include "lookup/codedatabase.h"
#include "lookup/codelookup.h"

#include <QImage>
#include <QString>
#include <vector>

namespace radiane::codes {

// The code drill's character picture, bmp/<character>.bmp (or its @2x picture),
// with radicals painted black by the lookup, as the radical drill paints them.
class CodePicture {
public:
    // database is open and outlives this.
    CodePicture(ProgramFolder folder, lookup::CodeDatabase& database)
        : folder_(std::move(folder)), lookup_(database) {}

    // Shows character at scale (1 or 2) with the radicals painted, in order.
    // Paints only what is new; loads the picture again for another character or
    // scale, or when a painted radical was taken back. Throws radiane::FatalError
    // naming the picture when it is missing or unreadable.
    void show(const QString& character, const std::vector<int>& painted, int scale);

    // Takes over what other shows (the image is shared until one is painted).
    void showAs(const CodePicture& other);

    const QImage& image() const { return image_; }
    const QString& character() const { return character_; }

private:
    void load(const QString& character, int scale);

    ProgramFolder folder_;
    lookup::CodeLookup lookup_;
    QString character_;
    int scale_ = 0;
    std::vector<int> painted_;
    QImage image_;
};

} // namespace radiane::codes
