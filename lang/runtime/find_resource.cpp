// The one export of every language module.
#include <algorithm>

#include "resource_table.h"
#include "sondrel/call.h"

SONDREL_EXPORT std::int32_t SondrelFindResource(std::int32_t kind, std::int32_t id, const void** data,
                                                std::uint32_t* size) {
    if (data == nullptr || size == nullptr) {
        return 0;
    }
    const auto resources = sondrel::language::Resources();
    const auto found = std::find_if(resources.begin(), resources.end(),
                                    [kind, id](const sondrel::language::ResourceEntry& entry) {
                                        return entry.kind == kind && entry.id == id;
                                    });
    if (found == resources.end()) {
        return 0;
    }
    *data = found->data;
    *size = found->size;
    return 1;
}
