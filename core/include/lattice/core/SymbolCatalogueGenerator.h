// Makes market catalogues of any size for benchmarks and stress runs: symbol
// IDs and UTF-8 names computed from an index, spread over a list of services
// in contiguous blocks. The same size always gives the same catalogue.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lattice {

class SymbolCatalogueGenerator {
public:
    // `total` symbols over `services` (which must not be empty); the first
    // services get the remainder when `total` does not divide evenly.
    SymbolCatalogueGenerator(std::size_t total, std::vector<unsigned char> services);

    std::size_t Total() const { return m_total; }
    const std::vector<unsigned char>& Services() const { return m_services; }

    // Symbols of the service at `serviceIndex` are [FirstOf, FirstOf + CountOf).
    std::size_t FirstOf(std::size_t serviceIndex) const;
    std::size_t CountOf(std::size_t serviceIndex) const;

    // The service of symbol `index` (< Total()).
    unsigned char ServiceOf(std::size_t index) const;

    // Decimal index, zero-padded to the width of the largest index but never
    // narrower than four digits: unique, and all of one length.
    std::string SymbolId(std::size_t index) const;

    // A Traditional Chinese word, chosen by index, followed by the symbol ID.
    std::string SymbolName(std::size_t index) const;

    std::size_t IdWidth() const { return m_idWidth; }

private:
    std::size_t m_total;
    std::vector<unsigned char> m_services;
    std::size_t m_idWidth;
};

} // namespace lattice
