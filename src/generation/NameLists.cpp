#include "generation/NameLists.h"

#include "db/Gbk.h"

namespace lumo {

// The full lists are being written; these opening names keep the interface usable meanwhile.
const std::string& MaleGivenNameList() {
    static const std::string list = Gbk("博涛,鑫磊,靖琪,越泽,浩南,晟棋,泰宇,伟诚,");
    return list;
}

const std::string& FemaleGivenNameList() {
    static const std::string list = Gbk("梦璐,熙雯,莉姿,煜婷,丹华,素芬,幽兰,傲蕾,");
    return list;
}

}  // namespace lumo
