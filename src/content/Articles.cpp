#include "content/Articles.h"

#include "content/FileOutput.h"
#include "content/GbkText.h"
#include "db/Gbk.h"
#include "db/ReferenceSchema.h"

namespace lumo {
namespace {

// Heading and body of one article; the page ends with the closing tag and no line break.
constexpr const char* kArticlePage =
    "<html>\r\n"
    "<head>\r\n"
    "<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
    "<title>{文章标题}</title>\r\n"
    "</head>\r\n"
    "<body topmargin=\"10\" leftmargin=\"10\" rightmargin=\"3\" bottommargin=\"3\" "
    "bgcolor=\"#FFFFEC\">\r\n"
    "<h1 align=\"center\">{文章标题}</h1>\r\n"
    "{文章内容}\r\n"
    "</body>\r\n"
    "</html>";

std::string TableName(ArticleTable table) {
    return Gbk(table == ArticleTable::Parenting ? "LM_育儿百科" : "LM_算命风水");
}

}  // namespace

std::optional<ArticleTable> ArticleTableNamed(const std::string& name) {
    if (name == Gbk("育儿百科")) return ArticleTable::Parenting;
    if (name == Gbk("算命风水")) return ArticleTable::Fortune;
    return std::nullopt;
}

int ArticleCount(SqliteDatabase& db, ArticleTable table) {
    Statement st = db.Query("select count(*) from " + TableName(table));
    int count = st ? db.ColumnInt(st, 0) : 0;
    db.Finalize(st);
    return count;
}

std::vector<std::string> ArticleTitles(SqliteDatabase& db, ArticleTable table,
                                       const std::string& categoryTitle) {
    std::vector<std::string> titles;
    // The trailing constant column reads "1" exactly while the statement stands on a row.
    Statement st = db.Query("select *, 1 from " + TableName(table) + Gbk(" where 分类标题=?"),
                            {SqlParam::Text(categoryTitle)});
    if (!st) return titles;
    constexpr int kRowMark = article::kContent + 1;
    bool hasRow = db.ColumnText(st, kRowMark) == "1";
    while (hasRow) {
        titles.push_back(db.ColumnText(st, article::kTitle));
        hasRow = db.NextRow(st);
    }
    db.Finalize(st);
    return titles;
}

std::string ArticlePage(SqliteDatabase& db, ArticleTable table, const std::string& title) {
    std::string content;
    Statement st = db.Query("select * from " + TableName(table) + Gbk(" where 标题=?"),
                            {SqlParam::Text(title)});
    if (st) {
        content = db.ColumnText(st, article::kContent);
        db.Finalize(st);
    }
    std::string page = gbk::ReplaceAll(Gbk(kArticlePage), Gbk("{文章标题}"), title);
    return gbk::ReplaceAll(page, Gbk("{文章内容}"), content);
}

bool WriteArticlePage(SqliteDatabase& db, ArticleTable table, const std::string& title,
                      const std::filesystem::path& file) {
    return WriteFileAtomically(file, ArticlePage(db, table, title));
}

}  // namespace lumo
