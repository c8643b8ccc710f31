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
    static const WebSettings settings = makeWebSettings(
        QString::fromUtf16(defaults::kSiteUrl), QString::fromUtf16(defaults::kSite2Url),
        QString::fromUtf16(defaults::kContactEmail));
    return settings;
}

WebSettings makeWebSettings(const QString& siteUrl, const QString& site2Url,
                            const QString& contactEmail) {
    WebSettings settings{normaliseBaseUrl(siteUrl), normaliseBaseUrl(site2Url),
                         contactEmail.trimmed()};
    if (settings.siteUrl.isEmpty()) {
        settings.builtIn = true;
        settings.siteUrl = kBuiltInSiteUrl.toString();
        if (settings.site2Url.isEmpty())
            settings.site2Url = settings.siteUrl + kBuiltInChartPath.toString();
    }
    return settings;
}

bool isBuiltInSiteAddress(const QUrl& address, const WebSettings& settings) {
    const QUrl base(kBuiltInSiteUrl.toString());
    return settings.builtIn && address.scheme() == base.scheme() && address.host() == base.host() &&
           address.port() == -1;
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

namespace {

// What a link of the built-in site says: where it leads, not a loopback address.
QString builtInCaption(SiteLink link) {
    switch (link) {
    case SiteLink::Site:
        return QStringLiteral("本机帮助首页");
    case SiteLink::Site2:
        return QStringLiteral("本机字根总表");
    case SiteLink::Forum:
        return QStringLiteral("本机练习指南");
    case SiteLink::CodeLookup:
        return QStringLiteral("本机编码查询");
    case SiteLink::Tutorial:
        return QStringLiteral("本机五笔教程");
    case SiteLink::Email:
        break;
    }
    return {};
}

LinkTarget configuredLink(SiteLink link, const WebSettings& settings);

} // namespace

LinkTarget siteLink(SiteLink link, const WebSettings& settings) {
    LinkTarget target = configuredLink(link, settings);
    if (settings.builtIn && link != SiteLink::Email)
        target.caption = builtInCaption(link);
    return target;
}

namespace {

LinkTarget configuredLink(SiteLink link, const WebSettings& settings) {
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

} // namespace

} // namespace radiane::lookup
