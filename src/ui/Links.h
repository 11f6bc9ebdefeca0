#pragma once

#include <QString>
#include <QStringList>

// The program's web links. We keep our own small site with the program (site/main for the
// mother-and-baby pages, site/list for the checklists, downloads and help), so every link works
// without a network and none of them leads to a dead address.
namespace lumo::ui {

// file: addresses of the site's main and list folders (site/ beside the program, or
// ../share/lumo/site when installed: SiteDirectory), without a trailing slash.
QString MainSiteBase();
QString ListSiteBase();
// The shopping checklist that the picture link 导购网站 opens.
QString ShopPageUrl();

// The host name shown for a site address; a local file address names this machine.
QString SiteHostName(const QString& siteBase);

// The name a site gives itself (the site part of its home page's <title>, "Lumo母婴知识"), shown
// where a raw file: address would mean nothing to the user; the address itself when the page or
// its title is missing.
QString SiteTitle(const QString& siteBase);

// The address actually handed to the browser: a folder address (ending in "/") means its
// index.html, because a file: folder would open a file manager instead of the page.
QString ResolvedLinkAddress(const QString& address);

// Opens an address in the default browser without waiting and without reporting a failure.
void OpenLink(const QString& address);

// While recording, OpenLink appends the resolved address to RecordedLinks() and opens nothing,
// so tests can follow every link without starting a browser.
void SetLinkRecording(bool on);
QStringList& RecordedLinks();

}  // namespace lumo::ui
