// SPDX-License-Identifier: GPL-3.0-or-later
// The .vlog reader on any text: it never crashes, a refusal is a printable French message, and a
// log it accepts is within every range, computes, exports, and written back reads back equal and
// writes back byte for byte the same.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz/check.h"
#include "navlog/calcullog.h"
#include "navlog/exportcsv.h"
#include "navlog/logfile.h"

using namespace ventrose;
using namespace ventrose::navlog;

namespace {

bool HasControl(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = ReadLog(text);
    if (const auto* e = std::get_if<LogError>(&read)) {
        fuzz::Require(!e->message.empty(), "an empty message", text);
        fuzz::Require(fuzz::IsValidUtf8(e->message), "a message that is not UTF-8", e->message);
        fuzz::Require(!HasControl(e->message), "a message with a control character", e->message);
        return 0;
    }
    const LogNav& log = std::get<LogNav>(read);
    const auto fault = VerifierLog(log);
    fuzz::Require(!fault, "a log read with a value out of range", fault ? *fault : "");

    const std::string written = WriteLog(log);
    fuzz::Require(fuzz::IsValidUtf8(written), "what was written is not UTF-8", written);
    const auto again = ReadLog(written);
    if (const auto* e = std::get_if<LogError>(&again)) {
        fuzz::Fail("what was written is refused", e->message);
    }
    fuzz::Require(std::get<LogNav>(again) == log, "what was written reads back differently",
                  written);
    fuzz::Require(WriteLog(std::get<LogNav>(again)) == written,
                  "writing twice gives different texts", written);

    const ResultatLog r = CalculLog(log);
    fuzz::Require(r.etapes.size() == log.etapes.size(), "not one result per leg", text);
    const std::string csv = ExportCsv(log, r);
    fuzz::Require(csv.starts_with("\xEF\xBB\xBF") && fuzz::IsValidUtf8(csv),
                  "the CSV is not UTF-8 with its mark", csv);
    return 0;
}
