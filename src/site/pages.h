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
// The result for a query: a word of the word table, else its first character; found says
// whether the data know it.
QByteArray lookupResultPage(SiteData& data, const QString& query, bool* found);
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

// What the lookup teaches about a character: the 键名 or 成字字根 rule, its radicals, the
// identification letter and the stroke order.
QString characterLessons(SiteData& data, const QString& character,
                         const lookup::CodeRecord& record);
// Every short code of character labelled by level ("一级简码 ..."), or that it has none.
QString shortCodeLevels(SiteData& data, const QString& character, const lookup::CodeRecord& record);
// What an identification letter says: "H：末笔丨（竖，第 2 区），左右型（第 1 位）".
QString identificationText(QChar letter);
// Numbered stroke squares from stroke centre lines on the 128 grid.
QString strokeOrder(const QList<QList<QPoint>>& strokes);
// A character linked to its lookup with its full code, or with its short code of level 1..3.
QString coded(SiteData& data, const QString& character, int level = 0);
QString codedList(SiteData& data, const QStringList& characters, int level = 0);
QStringList split(QStringView text);
// The tutorial's sections on strokes, splitting principles, last-stroke cases and shapes.
QString strokesSection(SiteData& data);
QString principlesSection(SiteData& data);
QString lastStrokeSection(SiteData& data);
QString shapesSection(SiteData& data);
// The code of a word from the full codes of its characters, and how many letters each gives.
QString wordCodeOf(const QStringList& fullCodes, QList<int>* taken = nullptr);

} // namespace radiane::site
