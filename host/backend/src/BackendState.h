// The backend stand-in's process-wide data set, answers and call record,
// shared by C_BKInterface (which answers from it) and BackendStub (which
// programs it).
#pragma once

#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "BackendStub.h"

struct NamedList {
    std::vector<CString> ids;
    std::vector<CString> names; // parallel to ids
};

struct BackendState {
    std::vector<unsigned char> services;
    std::map<unsigned char, CString> serviceNames;
    std::map<unsigned char, NamedList> contracts;
    std::map<std::pair<unsigned char, CString>, NamedList> symbols; // by (service, commodity)
    std::map<unsigned char, NamedList> commodities;
    bool bRealMonth = false;
    std::map<std::tuple<unsigned char, CString, unsigned short>, CString> items;
    CString strNSSIRoot;
    std::map<CString, std::vector<SSINodeInfo>> nssiChildren; // by parent node ID
    std::vector<CString> warrants;
    std::map<CString, CString> language;

    BackendAnswer answers[static_cast<size_t>(BackendCallKind::Count)] = {};
    bool bRecording = false;
    std::vector<BackendCall> calls; // while recording

    // Records the call (while recording) and returns how to answer it.
    BackendAnswer Take(BackendCall call);

    static BackendState& Instance();
};
