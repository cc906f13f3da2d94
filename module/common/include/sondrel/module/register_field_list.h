// The register-field list handed to the data module, built from a table and
// owned here: every node, name copy and record is freed with the owner.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <span>

#include "sondrel/data_module_interfaces.h"
#include "sondrel/module/register_field_table.h"
#include "sondrel/result_codes.h"

namespace sondrel::module {

class RegisterFieldListStorage {
public:
    explicit RegisterFieldListStorage(std::pmr::memory_resource* memory);
    ~RegisterFieldListStorage();
    RegisterFieldListStorage(const RegisterFieldListStorage&) = delete;
    RegisterFieldListStorage& operator=(const RegisterFieldListStorage&) = delete;

    // Appends a node per row in table order, skipping rows whose condition
    // does not hold. kOutOfMemory when an allocation fails; what was built
    // so far stays owned and is freed with the storage.
    ResultCode Build(std::span<const RegisterFieldRow> rows, const FieldConditionFlags& flags);
    ResultCode Build(std::span<const RegisterFieldRow> rows, bool virtualization) {
        return Build(rows, FieldConditionFlags{.virtualization = virtualization});
    }

    RegisterFieldList* Header() { return &header_; }
    std::size_t NodeCount() const;

private:
    void Free();
    void* Allocate(std::size_t bytes, std::size_t alignment);

    std::pmr::memory_resource* memory_;
    RegisterFieldList header_{};
};

}  // namespace sondrel::module
