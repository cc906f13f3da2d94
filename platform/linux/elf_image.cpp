#include "elf_image.h"

#include <elf.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace sondrel::platform::detail {

namespace {

#if defined(__x86_64__)
constexpr std::uint16_t kMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr std::uint16_t kMachine = EM_AARCH64;
#else
#error "no ELF machine number for this processor"
#endif

// Bounds kept far above any real library so that a hostile header cannot
// make the check itself allocate without limit.
constexpr std::uint32_t kMaxHeaders = 65535;

bool ReadAt(int descriptor, std::uint64_t offset, void* into, std::size_t length) {
    auto* bytes = static_cast<char*>(into);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t count =
            ::pread(descriptor, bytes + done, length - done, static_cast<off_t>(offset + done));
        if (count <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// offset + length <= size, without overflow.
bool Inside(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

template <class Header>
bool ReadTable(int descriptor, std::uint64_t offset, std::uint32_t count, std::uint16_t entrySize,
               std::uint64_t size, std::vector<Header>* table) {
    if (count == 0) {
        return true;
    }
    if (entrySize != sizeof(Header) || count > kMaxHeaders ||
        !Inside(offset, std::uint64_t{count} * sizeof(Header), size)) {
        return false;
    }
    table->resize(count);
    return ReadAt(descriptor, offset, table->data(), count * sizeof(Header));
}

bool SegmentsInside(const std::vector<Elf64_Phdr>& segments, std::uint64_t size) {
    bool loadable = false;
    for (const Elf64_Phdr& segment : segments) {
        if (segment.p_type == PT_LOAD) {
            loadable = true;
            if (segment.p_filesz > segment.p_memsz) {
                return false;
            }
        }
        if ((segment.p_type == PT_LOAD || segment.p_type == PT_DYNAMIC) &&
            !Inside(segment.p_offset, segment.p_filesz, size)) {
            return false;
        }
    }
    return loadable;
}

bool SectionsInside(const std::vector<Elf64_Shdr>& sections, std::uint64_t size) {
    for (const Elf64_Shdr& section : sections) {
        if (section.sh_type != SHT_NOBITS && section.sh_type != SHT_NULL &&
            !Inside(section.sh_offset, section.sh_size, size)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsCompleteElfImage(int descriptor, std::uint64_t size) {
    Elf64_Ehdr header{};
    if (size < sizeof header || !ReadAt(descriptor, 0, &header, sizeof header)) {
        return false;
    }
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
        header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_ident[EI_VERSION] != EV_CURRENT ||
        header.e_type != ET_DYN || header.e_machine != kMachine || header.e_ehsize != sizeof header) {
        return false;
    }
    std::vector<Elf64_Phdr> segments;
    std::vector<Elf64_Shdr> sections;
    return header.e_phnum > 0 &&
           ReadTable(descriptor, header.e_phoff, header.e_phnum, header.e_phentsize, size, &segments) &&
           SegmentsInside(segments, size) &&
           ReadTable(descriptor, header.e_shoff, header.e_shnum, header.e_shentsize, size, &sections) &&
           SectionsInside(sections, size);
}

}  // namespace sondrel::platform::detail
