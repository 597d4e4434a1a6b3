#include "runtime/runtime_host.h"

namespace runtime {
namespace {

const RuntimeHost*& Host() {
    static const RuntimeHost* host = nullptr;
    return host;
}

}  // namespace

void InstallRuntimeHost(const RuntimeHost* host) {
    Host() = host;
}

const RuntimeHost* InstalledRuntimeHost() {
    return Host();
}

}  // namespace runtime
