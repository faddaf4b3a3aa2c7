#include "tests/support/call_record.h"

#include "tests/support/fake_host.h"

namespace tarnwick::testing {

Record Lines(std::string_view lines) {
    Record record;
    if (lines.starts_with('\n')) {
        lines.remove_prefix(1);
    }
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        record.emplace_back(lines.substr(0, end));
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
    }
    return record;
}

Record Sequence(std::initializer_list<Record> parts) {
    Record whole;
    for (const Record& part : parts) {
        whole.insert(whole.end(), part.begin(), part.end());
    }
    return whole;
}

Record Countdown(const Text& heading, int milliseconds) {
    const std::string pause = "Pause(" + std::to_string(milliseconds) + ")";
    Record record = {"AppendLog(" + Quoted(heading) + ")", pause, R"(AppendLog(" . "))", pause};
    for (int dot = 0; dot < 10; ++dot) {
        record.insert(record.end(), {R"(AppendLog(". "))", pause});
    }
    record.insert(record.end(), {R"(AppendLog(". \r\n"))", pause});
    return record;
}

}  // namespace tarnwick::testing
