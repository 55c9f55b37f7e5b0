#pragma once
// The compiled catalogues of po/, embedded by the build (catalogues.cpp is generated).

#include <cstddef>

namespace velantra::catalogue_data {

struct Embedded {
    const char* code;  // the catalogue's file name without ".po": "en", "pt_BR"
    const unsigned char* bytes;
    std::size_t size;
};

extern const Embedded kCatalogues[];
extern const std::size_t kCount;

}  // namespace velantra::catalogue_data
