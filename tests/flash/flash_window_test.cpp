#include "tests/flash/flash_window_test.h"

namespace tarnwick::flash::testing {

Record Countdown(int milliseconds) {
    const std::string pause = "Pause(" + std::to_string(milliseconds) + ")";
    Record record = {R"(AppendLog("请稍等...\r\n"))", pause, R"(AppendLog(" . "))", pause};
    for (int dot = 0; dot < 10; ++dot) {
        record.insert(record.end(), {R"(AppendLog(". "))", pause});
    }
    record.insert(record.end(), {R"(AppendLog(". \r\n"))", pause});
    return record;
}

Record Sequence(std::initializer_list<Record> parts) {
    Record whole;
    for (const Record& part : parts) {
        whole.insert(whole.end(), part.begin(), part.end());
    }
    return whole;
}

}  // namespace tarnwick::flash::testing
