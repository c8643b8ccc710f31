#pragma once

#include "site/sitedata.h"

#include <QByteArray>
#include <QChar>
#include <QString>

namespace radiane::site {

// The pages of the help site, each a whole HTML document (UTF-8).
QByteArray homePage(SiteData& data);
QByteArray keyPage(SiteData& data, QChar key);
QByteArray tutorialPage(SiteData& data);
QByteArray practicePage(SiteData& data);
QByteArray chartPage(SiteData& data);
QByteArray lookupFormPage(const QString& message = QString());
// The result for character; found says whether the database knows it.
QByteArray lookupResultPage(SiteData& data, const QString& character, bool* found);
// The page of an HTTP error status (400, 404, 405, 414).
QByteArray errorPage(int status);

// A code with the letter at position part (1..4) marked: "ABC<em>D</em>".
QString markedCode(const QString& code, int part = 0);
// The key-name radical and the verse of a key.
QString keyNameOf(SiteData& data, QChar key);
QString verseOf(QChar key);
// A radical's note as a Chinese learner reads it.
QString noteText(const QString& note);
// The caption under a radical's picture: the radical, or for one drawn from
// part of an example character its name or "取自“差”".
QString radicalCaption(const RadicalRow& row);

} // namespace radiane::site
