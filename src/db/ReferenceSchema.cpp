#include "db/ReferenceSchema.h"

#include "db/Gbk.h"

namespace lumo {
namespace {

struct Col {
    const char* utf8Name;
    int type;
    int size;
};

std::vector<ColumnDef> Columns(std::initializer_list<Col> cols) {
    std::vector<ColumnDef> out;
    out.reserve(cols.size());
    for (const Col& c : cols) out.push_back(ColumnDef{Gbk(c.utf8Name), c.type, c.size, 0, {}});
    return out;
}

std::vector<TableLayout> BuildLayouts() {
    const int I = kInteger, V = kVarChar;
    std::vector<ColumnDef> articles = Columns({{"ID", I, 10},
                                               {"分类ID", V, 50},
                                               {"分类标题", V, 20},
                                               {"标题", V, 100},
                                               {"内容", V, 2000}});
    return {
        {Gbk("LM_CNWord"), Columns({{"Id", I, 10},
                                    {"code", I, 10},
                                    {"汉字", V, 2},
                                    {"简体", V, 2},
                                    {"繁体", V, 2},
                                    {"简体笔画数", I, 10},
                                    {"繁体笔画数", I, 10},
                                    {"拼音1", V, 20},
                                    {"拼音2", V, 20},
                                    {"声母", V, 1},
                                    {"韵母", V, 3},
                                    {"部首", V, 1},
                                    {"五行属性", V, 2},
                                    {"五笔", V, 4},
                                    {"基本解释", V, 700},
                                    {"详细解释", V, 700}})},
        {Gbk("LM_三才配置"), Columns({{"Id", I, 10},
                                      {"三才", V, 6},
                                      {"吉凶", V, 4},
                                      {"解释一", V, 140},
                                      {"解释二", V, 80},
                                      {"总论", V, 92},
                                      {"性格", V, 200},
                                      {"意志", V, 100},
                                      {"事业", V, 100},
                                      {"家庭", V, 100},
                                      {"婚姻", V, 100},
                                      {"子女", V, 100},
                                      {"社交", V, 100},
                                      {"精神", V, 100},
                                      {"财运", V, 100},
                                      {"健康", V, 100},
                                      {"老运", V, 100},
                                      {"对基础运的影响", V, 100},
                                      {"对成功运的影响", V, 100},
                                      {"对人际关系的影响", V, 100},
                                      {"对性格的影响", V, 150}})},
        {Gbk("LM_八一灵动数"), Columns({{"Id", I, 10},
                                        {"吉凶", V, 4},
                                        {"解释一", V, 100},
                                        {"解释二", V, 100},
                                        {"解释三", V, 1000},
                                        {"基业", V, 1000},
                                        {"家庭", V, 1000},
                                        {"健康", V, 1000},
                                        {"含义", V, 1000},
                                        {"数理暗示", V, 1000}})},
        {Gbk("LM_EName"), Columns({{"Id", I, 10},
                                   {"EIndex", V, 1},
                                   {"EIndex2", V, 2},
                                   {"Name", V, 20},
                                   {"NameLength", V, 10},
                                   {"Sex", I, 10},
                                   {"Cnword", V, 50},
                                   {"Morphology", V, 20},
                                   {"Languag", V, 20},
                                   {"Mean", V, 20}})},
        {Gbk("LM_Poet"),
         Columns({{"Id", I, 10}, {"Poet", V, 10}, {"PoemCount", V, 10}, {"OrderId", I, 10}})},
        {Gbk("LM_全唐诗"), Columns({{"Id", I, 10},
                                    {"标题", V, 30},
                                    {"作者", V, 10},
                                    {"内容", V, 1000},
                                    {"首字母", V, 400},
                                    {"内容长度", I, 10}})},
        {Gbk("LM_育儿百科"), articles},
        {Gbk("LM_算命风水"), articles},
        {Gbk("LM_百家姓"), Columns({{"Id", I, 10},
                                    {"姓", V, 8},
                                    {"姓氏起源", V, 1000},
                                    {"聚集地", V, 1000},
                                    {"历史名人", V, 1000}})},
    };
}

std::vector<TableLayout> BuildSupplements() {
    const int I = kInteger, V = kVarChar;
    return {
        {Gbk("LM_用字注记"),
         Columns({{"Id", I, 10}, {"汉字", V, 2}, {"五行来源", V, 4}, {"不宜取名", V, 100}})},
        {Gbk("LM_诗词注记"), Columns({{"Id", I, 10}, {"注记", V, 4000}})},
    };
}

}  // namespace

const std::vector<TableLayout>& SupplementTables() {
    static const std::vector<TableLayout> layouts = BuildSupplements();
    return layouts;
}

const std::vector<TableLayout>& ReferenceTables() {
    static const std::vector<TableLayout> layouts = BuildLayouts();
    return layouts;
}

const TableLayout* FindReferenceTable(const std::string& name) {
    for (const auto* list : {&ReferenceTables(), &SupplementTables()})
        for (const TableLayout& t : *list)
            if (t.name == name) return &t;
    return nullptr;
}

}  // namespace lumo
