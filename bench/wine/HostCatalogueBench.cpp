// What the backend stand-in costs at catalogue sizes around the library's
// 131072-entry reservation: generating a catalogue, listing it, and the
// per-symbol item query that warrants and host-supplied records pay.
#include <windows.h>

#include <stdio.h>

#include "BackendStub.h"
#include "BenchClock.h"

int main()
{
    printf("%10s %12s %12s %14s\n", "symbols", "generate ms", "list ms", "items/s");
    const size_t sizes[] = {16384, 131072, 262144};
    for (size_t total : sizes) {
        BackendStub::Reset();
        double generate = BestOf(3, [&] { BackendStub::LoadGeneratedCatalogue(total, {16, 1}); });

        C_BKInterface& backend = *C_BKInterface::GetBKInterface();
        std::vector<CString> ids16, names16, ids1, names1;
        double list = BestOf(3, [&] {
            backend.bGetAllContractID(ids16, names16, 16, "");
            backend.bGetAllContractID(ids1, names1, 1, "");
        });
        if (ids16.size() + ids1.size() != total) {
            printf("catalogue of %zu has %zu symbols\n", total, ids16.size() + ids1.size());
            return 1;
        }

        BackendStub::ClearCalls();
        std::vector<X1Format> values;
        const std::vector<unsigned short> itemNos{1019};
        double items = BestOf(3, [&] {
            for (const CString& id : ids16)
                backend.bGetItemDataByItemNo(16, id, itemNos, values, true, nullptr);
            BackendStub::ClearCalls();
        });
        printf("%10zu %12.1f %12.1f %14.0f\n", total, generate, list, ids16.size() / (items / 1000.0));
    }
    BackendStub::Reset();
    return 0;
}
