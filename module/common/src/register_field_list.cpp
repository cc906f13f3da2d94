#include "sondrel/module/register_field_list.h"

#include <cstring>
#include <new>

namespace sondrel::module {

RegisterFieldListStorage::RegisterFieldListStorage(std::pmr::memory_resource* memory) : memory_(memory) {}

RegisterFieldListStorage::~RegisterFieldListStorage() {
    Free();
}

void* RegisterFieldListStorage::Allocate(std::size_t bytes, std::size_t alignment) {
    try {
        return memory_->allocate(bytes, alignment);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool Holds(FieldCondition condition, const FieldConditionFlags& flags) {
    switch (condition) {
        case FieldCondition::kAlways:
            return true;
        case FieldCondition::kWithVirtualization:
            return flags.virtualization;
        case FieldCondition::kWithSecondThermalMonitor:
            return flags.secondThermalMonitor;
        case FieldCondition::kWithFrequencyScaling:
            return flags.frequencyScaling;
    }
    return false;
}

ResultCode RegisterFieldListStorage::Build(std::span<const RegisterFieldRow> rows,
                                           const FieldConditionFlags& flags) {
    Free();
    RegisterFieldNode** link = &header_.first;
    for (const RegisterFieldRow& row : rows) {
        if (!Holds(row.condition, flags)) {
            continue;
        }
        void* nodeMemory = Allocate(sizeof(RegisterFieldNode), alignof(RegisterFieldNode));
        if (nodeMemory == nullptr) {
            return result::kOutOfMemory;
        }
        // Linked before its parts are allocated, so Free finds whatever exists.
        auto* node = new (nodeMemory) RegisterFieldNode{};
        node->fieldId = row.fieldId;
        *link = node;
        link = &node->next;

        const std::size_t nameSize = std::strlen(row.name) + 1;
        node->name = static_cast<char*>(Allocate(nameSize, alignof(char)));
        if (node->name == nullptr) {
            return result::kOutOfMemory;
        }
        std::memcpy(node->name, row.name, nameSize);

        void* registerMemory = Allocate(sizeof(RegisterRecord), alignof(RegisterRecord));
        if (registerMemory == nullptr) {
            return result::kOutOfMemory;
        }
        node->reg = new (registerMemory) RegisterRecord{row.msr, nullptr, 0};

        void* bitMemory = Allocate(sizeof(BitRecord), alignof(BitRecord));
        if (bitMemory == nullptr) {
            return result::kOutOfMemory;
        }
        node->reg->bits = new (bitMemory) BitRecord{row.lowBit, row.width, 0};
    }
    return result::kSuccess;
}

std::size_t RegisterFieldListStorage::NodeCount() const {
    std::size_t count = 0;
    for (const RegisterFieldNode* node = header_.first; node != nullptr; node = node->next) {
        ++count;
    }
    return count;
}

void RegisterFieldListStorage::Free() {
    RegisterFieldNode* node = header_.first;
    while (node != nullptr) {
        RegisterFieldNode* next = node->next;
        if (node->reg != nullptr) {
            if (node->reg->bits != nullptr) {
                memory_->deallocate(node->reg->bits, sizeof(BitRecord), alignof(BitRecord));
            }
            memory_->deallocate(node->reg, sizeof(RegisterRecord), alignof(RegisterRecord));
        }
        if (node->name != nullptr) {
            memory_->deallocate(node->name, std::strlen(node->name) + 1, alignof(char));
        }
        memory_->deallocate(node, sizeof(RegisterFieldNode), alignof(RegisterFieldNode));
        node = next;
    }
    header_ = RegisterFieldList{};
}

}  // namespace sondrel::module
