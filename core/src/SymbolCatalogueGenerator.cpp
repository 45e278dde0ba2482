#include "lattice/core/SymbolCatalogueGenerator.h"

#include <cassert>
#include <iterator>

namespace lattice {

namespace {

// Words a market catalogue is full of; every one of them exists in Big5.
const char* const kWords[] = {
    "\xE9\x9B\xBB\xE5\xAD\x90",             // 電子
    "\xE9\x87\x91\xE8\x9E\x8D",             // 金融
    "\xE5\xA1\x91\xE8\x86\xA0",             // 塑膠
    "\xE9\x8B\xBC\xE9\x90\xB5",             // 鋼鐵
    "\xE8\x88\xAA\xE9\x81\x8B",             // 航運
    "\xE7\x94\x9F\xE6\x8A\x80",             // 生技
    "\xE5\x8D\x8A\xE5\xB0\x8E\xE9\xAB\x94", // 半導體
    "\xE5\xBB\xBA\xE6\x9D\x90",             // 建材
};

std::size_t DecimalDigits(std::size_t value)
{
    std::size_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

} // namespace

SymbolCatalogueGenerator::SymbolCatalogueGenerator(std::size_t total, std::vector<unsigned char> services)
    : m_total(total), m_services(std::move(services)), m_idWidth(4)
{
    assert(!m_services.empty());
    if (total > 1 && DecimalDigits(total - 1) > m_idWidth)
        m_idWidth = DecimalDigits(total - 1);
}

std::size_t SymbolCatalogueGenerator::FirstOf(std::size_t serviceIndex) const
{
    std::size_t k = m_services.size();
    std::size_t base = m_total / k, extra = m_total % k;
    return serviceIndex * base + (serviceIndex < extra ? serviceIndex : extra);
}

std::size_t SymbolCatalogueGenerator::CountOf(std::size_t serviceIndex) const
{
    return FirstOf(serviceIndex + 1) - FirstOf(serviceIndex);
}

unsigned char SymbolCatalogueGenerator::ServiceOf(std::size_t index) const
{
    assert(index < m_total);
    std::size_t k = m_services.size();
    std::size_t base = m_total / k, extra = m_total % k;
    // The first `extra` blocks hold base + 1 symbols each.
    std::size_t longBlocks = extra * (base + 1);
    std::size_t serviceIndex = index < longBlocks ? index / (base + 1) : extra + (index - longBlocks) / base;
    return m_services[serviceIndex];
}

std::string SymbolCatalogueGenerator::SymbolId(std::size_t index) const
{
    std::string digits = std::to_string(index);
    if (digits.size() < m_idWidth)
        digits.insert(0, m_idWidth - digits.size(), '0');
    return digits;
}

std::string SymbolCatalogueGenerator::SymbolName(std::size_t index) const
{
    return std::string(kWords[index % std::size(kWords)]) + SymbolId(index);
}

} // namespace lattice
