#pragma once

#include "lookup/codedatabase.h"
#include "lookup/floodfill.h"

#include <QImage>
#include <QString>
#include <optional>

namespace radiane::lookup {

// The main window's local lookup (the click of Command1) with its state and
// working fields: finds a character in the code database, shows its record and
// paints the drilled radical black in the slot's character picture.
class CodeLookup {
public:
    // database is the main window's open code database; it must outlive this.
    explicit CodeLookup(CodeDatabase& database) : database_(database) {}

    // Finds text23's first character; on a hit shows the record (display) and
    // paints, on picture, the radical that label7Caption ("1" to "4") names. A
    // miss, or any other caption, paints nothing.
    void run(const QString& text23, const QString& label7Caption, PictureSurface& picture);
    // The same on a bare image (fill settings of a fresh surface).
    void run(const QString& text23, const QString& label7Caption, QImage& picture);

    // Reads record lookupRecNo into lookupRec and shows its eight fields.
    void display();

    int lookupRecNo() const { return lookupRecNo_; }
    const std::optional<CodeRecord>& lookupRec() const { return lookupRec_; }
    bool lookupFound() const { return lookupFound_; }

    // Working fields: the bounds of the last search, and the fields of the last
    // record shown (kept as they were after a miss).
    const QString& Text31() const { return Text31_; }
    const QString& Text32() const { return Text32_; }
    const QString& Text11() const { return Text11_; }
    const QString& Text12() const { return Text12_; }
    const QString& Text13() const { return Text13_; }
    const QString& Text14() const { return Text14_; }
    const QString& Text17() const { return Text17_; }
    const QString& Text18() const { return Text18_; }
    const QString& Text19() const { return Text19_; }
    const QString& Text20() const { return Text20_; }

private:
    void highlight(const QString& label7Caption, PictureSurface& picture);

    CodeDatabase& database_;
    int lookupRecNo_ = 0;
    std::optional<CodeRecord> lookupRec_;
    bool lookupFound_ = false;
    QString Text31_, Text32_;
    QString Text11_, Text12_, Text13_, Text14_;
    QString Text17_, Text18_, Text19_, Text20_;
};

} // namespace radiane::lookup
