#include <gtest/gtest.h>

#include <set>

#include "db/Gbk.h"
#include "generation/ClassicNames.h"
#include "generation/NameLists.h"
#include "generation/NamePools.h"
#include "numerology/Characters.h"

// The built-in pools and the classic name lists: sizes, repeats, openings, and that every name
// is made of pool characters (the reference data explains exactly those).
namespace lumo {
namespace {

std::set<std::string> Distinct(const std::vector<std::string>& items) {
    return {items.begin(), items.end()};
}

TEST(NamePools, SizesAndSharedCharacters) {
    struct Pool {
        const std::string& text;
        std::size_t size;
        const char* opening;
    } pools[] = {{MaleNamePool(), 1854, "湛子会奥电湖琢当大极"},
                 {FemaleNamePool(), 973, "筠柔竹霭凝晓欢霄枫芸"},
                 {MaleClassicPool(), 785, "安岸昂翱傲奥芭白百柏"},
                 {FemaleClassicPool(), 287, "安傲白柏碧壁冰波采彩"}};
    for (const Pool& p : pools) {
        std::vector<std::string> chars = SplitCharacters(p.text);
        EXPECT_EQ(chars.size(), p.size);
        EXPECT_EQ(Distinct(chars).size(), p.size);
        EXPECT_EQ(GbkToUtf8(p.text).rfind(p.opening, 0), 0u);
        for (const std::string& c : chars)
            ASSERT_EQ(c.size(), 2u) << GbkToUtf8(c);  // GBK characters
    }
    std::set<std::string> male = Distinct(SplitCharacters(MaleNamePool()));
    std::size_t shared = 0;
    for (const std::string& c : SplitCharacters(FemaleNamePool())) shared += male.count(c);
    EXPECT_EQ(shared, 703u);
}

TEST(ClassicNameLists, CountsRepeatsOpeningsAndCharacters) {
    std::set<std::string> poolChars;
    for (const std::string* pool :
         {&MaleNamePool(), &FemaleNamePool(), &MaleClassicPool(), &FemaleClassicPool()})
        for (const std::string& c : SplitCharacters(*pool)) poolChars.insert(c);
    struct List {
        const std::string& text;
        Sex sex;
        std::size_t names, distinct;
        const char* opening;
    } lists[] = {
        {MaleGivenNameList(), Sex::Male, 2909, 2877, "博涛,鑫磊,靖琪,越泽,浩南,晟棋,泰宇,伟诚,"},
        {FemaleGivenNameList(), Sex::Female, 2134, 2091,
         "梦璐,熙雯,莉姿,煜婷,丹华,素芬,幽兰,傲蕾,"}};
    for (const List& l : lists) {
        EXPECT_EQ(GbkToUtf8(l.text).rfind(l.opening, 0), 0u);
        EXPECT_EQ(l.text.back(), ',');
        EXPECT_EQ(l.text.find(",,"), std::string::npos);
        std::vector<std::string> names = ClassicEntries(l.sex, 2);
        EXPECT_EQ(names.size(), l.names);
        EXPECT_EQ(Distinct(names).size(), l.distinct);
        for (const std::string& name : names) {
            std::vector<std::string> chars = SplitCharacters(name);
            ASSERT_EQ(chars.size(), 2u) << GbkToUtf8(name);
            for (const std::string& c : chars) ASSERT_TRUE(poolChars.count(c)) << GbkToUtf8(name);
        }
    }
}

}  // namespace
}  // namespace lumo
