#pragma once

#include <QString>
#include <QUrl>

namespace radiane::lookup {

// Where the help links lead. The base addresses carry a scheme and no trailing
// slash, so that a fixed path ("/wb", "/wbwz/a.htm") can be appended as is.
struct WebSettings {
    QString siteUrl;      // the product web site, e.g. "http://www.radiane.org"
    QString site2Url;     // the second product web site
    QString contactEmail; // e.g. "help@radiane.org"
};

// The settings chosen when the program was configured, normalised.
const WebSettings& webSettings();

// A base address as the links need it: "http://" added when no scheme is given,
// surrounding blanks and trailing slashes removed.
QString normaliseBaseUrl(const QString& url);

// The address as a link caption shows it: without its scheme ("www.radiane.org").
QString withoutScheme(const QString& url);

// The six links of the about dialog.
enum class SiteLink {
    Site,       // the product web site's root
    Site2,      // the second product web site's root
    Forum,      // product site + "/wb"
    Email,      // "mailto:" + contact address
    CodeLookup, // product site + "/wbcx"
    Tutorial,   // product site + "/wbwz/86help.htm", captioned ".../wbwz"
};

struct LinkTarget {
    QString caption; // what the link label shows
    QUrl address;    // what a click opens
};

LinkTarget siteLink(SiteLink link, const WebSettings& settings = webSettings());

// The product web site's base address followed by path ("/wbwz/a.htm").
QUrl siteAddress(const QString& path, const WebSettings& settings = webSettings());

} // namespace radiane::lookup
