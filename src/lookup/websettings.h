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
    // The sites are the help site the program serves itself: the addresses are
    // kBuiltInSiteUrl + path, and opening one first gives them the server's port.
    bool builtIn = false;
};

// The base address of the built-in site before its server has a port.
inline constexpr QStringView kBuiltInSiteUrl = u"http://127.0.0.1";
// The path of the built-in site that stands in for the second product site.
inline constexpr QStringView kBuiltInChartPath = u"/chart";

// The settings chosen when the program was configured, normalised.
const WebSettings& webSettings();

// Settings from the configured addresses: an empty product site address means
// the built-in site, and an empty second site address then means its chart.
WebSettings makeWebSettings(const QString& siteUrl, const QString& site2Url,
                            const QString& contactEmail);

// Whether address is one of the built-in site's (as made by siteAddress, no port yet).
bool isBuiltInSiteAddress(const QUrl& address, const WebSettings& settings = webSettings());

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
