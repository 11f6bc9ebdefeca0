#include "ui/Links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include "content/DataFolder.h"

namespace lumo::ui {
namespace {

bool recording = false;

QString SiteFolder(const char* name) {
    const std::filesystem::path site =
        SiteDirectory(QCoreApplication::applicationDirPath().toStdString()) / name;
    return QUrl::fromLocalFile(QString::fromStdString(site.string())).toString();
}

}  // namespace

QString MainSiteBase() { return SiteFolder("main"); }
QString ListSiteBase() { return SiteFolder("list"); }
QString ShopPageUrl() { return ListSiteBase() + "/shop.html"; }

QString SiteHostName(const QString& siteBase) {
    const QString host = QUrl(siteBase).host();
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

QString SiteTitle(const QString& siteBase) {
    QFile page(QUrl(siteBase + "/index.html").toLocalFile());
    if (!page.open(QIODevice::ReadOnly)) return siteBase;
    const QString html = QString::fromUtf8(page.read(64 * 1024));
    const QRegularExpressionMatch m = QRegularExpression("<title>([^<]*)</title>").match(html);
    if (!m.hasMatch()) return siteBase;
    // "母婴知识 - Lumo母婴知识": the page's own name first, the site's after the dash.
    const QString title = m.captured(1).trimmed();
    const qsizetype dash = title.lastIndexOf(" - ");
    return dash < 0 ? title : title.mid(dash + 3).trimmed();
}

QString ResolvedLinkAddress(const QString& address) {
    return address.endsWith('/') ? address + "index.html" : address;
}

void OpenLink(const QString& address) {
    const QString resolved = ResolvedLinkAddress(address);
    if (recording) {
        RecordedLinks().append(resolved);
        return;
    }
    QDesktopServices::openUrl(QUrl(resolved));  // the browser's fate is not ours to report
}

void SetLinkRecording(bool on) { recording = on; }

QStringList& RecordedLinks() {
    static QStringList links;
    return links;
}

}  // namespace lumo::ui
