#include "controls/kind_registry.h"

#include <algorithm>
#include <deque>

namespace controls {
namespace {

// A deque, so that descriptors found earlier stay put when kinds are added.
std::deque<KindDescriptor>& Registry() {
    static std::deque<KindDescriptor> registry;
    return registry;
}

}  // namespace

KindDescriptor DescribeKind(forms::KindCode code, std::span<const forms::PropertyType> properties,
                            KindRoutines routines) {
    const forms::KindInfo* info = forms::FindKind(uint32_t(code));
    return {uint32_t(code), info->chineseName, info->englishName,
            info->flags,    properties,        routines};
}

void RegisterKinds(std::span<const KindMaker> kinds) {
    for (KindMaker describe : kinds) RegisterKind(describe());
}

void RegisterKind(const KindDescriptor& kind) {
    std::deque<KindDescriptor>& registry = Registry();
    auto same = std::find_if(registry.begin(), registry.end(),
                             [&](const KindDescriptor& k) { return k.code == kind.code; });
    if (same != registry.end()) {
        *same = kind;
    } else {
        registry.push_back(kind);
    }
}

const KindDescriptor* FindKindDescriptor(uint32_t code) {
    for (const KindDescriptor& kind : Registry()) {
        if (kind.code == code) return &kind;
    }
    return nullptr;
}

forms::PropertyType PropertyTypeOf(const KindDescriptor& kind, int32_t property) {
    if (property < 0 || size_t(property) >= kind.properties.size())
        return forms::PropertyType::None;
    return kind.properties[size_t(property)];
}

}  // namespace controls
