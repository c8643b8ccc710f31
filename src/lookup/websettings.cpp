#include "lookup/websettings.h"

#include "lookup/websettingsdefaults.h"

namespace radiane::lookup {

namespace {

constexpr QStringView kSchemeSeparator = u"://";

QUrl parsedAddress(const QString& text) {
    return QUrl(text, QUrl::StrictMode);
}

} // namespace

const WebSettings& webSettings() {
    static const WebSettings settings{
        normaliseBaseUrl(QString::fromUtf16(defaults::kSiteUrl)),
        normaliseBaseUrl(QString::fromUtf16(defaults::kSite2Url)),
        QString::fromUtf16(defaults::kContactEmail).trimmed(),
    };
    return settings;
}

QString normaliseBaseUrl(const QString& url) {
    QString base = url.trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    if (!base.isEmpty() && !base.contains(kSchemeSeparator))
        base.prepend(u"http://");
    return base;
}

QString withoutScheme(const QString& url) {
    const qsizetype at = url.indexOf(kSchemeSeparator);
    return at < 0 ? url : url.mid(at + kSchemeSeparator.size());
}

QUrl siteAddress(const QString& path, const WebSettings& settings) {
    return parsedAddress(settings.siteUrl + path);
}

LinkTarget siteLink(SiteLink link, const WebSettings& settings) {
    const QString site = withoutScheme(settings.siteUrl);
    switch (link) {
    case SiteLink::Site:
        return {site, parsedAddress(settings.siteUrl)};
    case SiteLink::Site2:
        return {withoutScheme(settings.site2Url), parsedAddress(settings.site2Url)};
    case SiteLink::Forum:
        return {site + QStringLiteral("/wb"), siteAddress(QStringLiteral("/wb"), settings)};
    case SiteLink::Email:
        return {settings.contactEmail,
                parsedAddress(QStringLiteral("mailto:") + settings.contactEmail)};
    case SiteLink::CodeLookup:
        return {site + QStringLiteral("/wbcx"), siteAddress(QStringLiteral("/wbcx"), settings)};
    case SiteLink::Tutorial:
        // The caption names the tutorial folder; the click opens its index page.
        return {site + QStringLiteral("/wbwz"),
                siteAddress(QStringLiteral("/wbwz/86help.htm"), settings)};
    }
    Q_UNREACHABLE();
}

} // namespace radiane::lookup
