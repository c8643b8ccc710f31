#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

namespace radiane::site {

// Text placed in a page: every character that HTML gives a meaning escaped.
QString esc(const QString& text);

// A whole page (UTF-8): head with title and style sheet, the site's navigation
// bar, the data files the page lacks (messages naming each file and why), then body.
QByteArray htmlDocument(const QString& title, const QString& body,
                        const QStringList& unusableFiles = {});

// Stroke zone of a key: 1 横 (g f d s a), 2 竖 (h j k l m), 3 撇 (t r e w q),
// 4 捺 (y u i o p), 5 折 (n b v c x); 0 for anything else.
int zoneOf(QChar key);
// Zone and position, e.g. "11" for g, "35" for q.
QString zoneNumber(QChar key);
// The stroke that names a zone ("横" for 1).
QString zoneStroke(int zone);
// The keys of a zone in position order ("gfdsa" for 1).
QString zoneKeys(int zone);

// Address of a picture of the picture table ("/pic/g01.png").
QString pictureAddress(const QString& name);
// Address of a key page ("/wbwz/g.htm").
QString keyAddress(QChar key);
// Address of the lookup result for a character.
QString lookupAddress(const QString& character);

// A key as a coloured key cap linking to its page.
QString keyCap(QChar key, const QString& label = QString());

// The page style sheet (served as /site.css).
QByteArray styleSheet();

} // namespace radiane::site
