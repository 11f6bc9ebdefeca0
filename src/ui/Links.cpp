#include "ui/Links.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace lumo::ui {
namespace {

bool recording = false;

QString SiteFolder(const char* name) {
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/site/" + name).toString();
}

}  // namespace

QString MainSiteBase() { return SiteFolder("main"); }
QString ListSiteBase() { return SiteFolder("list"); }
QString ShopPageUrl() { return ListSiteBase() + "/shop.html"; }

QString SiteHostName(const QString& siteBase) {
    const QString host = QUrl(siteBase).host();
    return host.isEmpty() ? QStringLiteral("localhost") : host;
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
