// state_compare.cpp -- where two state lines part, named by the field.
#include "app/demo/state_compare.h"

#include <sstream>
#include <vector>

#include "app/common/texts.h"

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

std::string NameOf(const std::string& word) {
    return word.substr(0, word.find('='));
}

std::string ValueOf(const std::string& word) {
    const size_t equals = word.find('=');
    return equals == std::string::npos ? word : word.substr(equals + 1);
}

}  // namespace

std::string CompareStateLines(const std::string& expected, const std::string& actual) {
    const std::vector<std::string> want = Words(expected), got = Words(actual);
    size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) {
        ++i;
    }
    if (i == want.size() && i == got.size()) {
        return "";
    }
    // A field missing on one side is named from the other.
    const std::string field = NameOf(i < want.size() ? want[i] : got[i]);
    const std::string wantValue = i < want.size() ? ValueOf(want[i]) : text::kNoField;
    const std::string gotValue = i < got.size() ? ValueOf(got[i]) : text::kNoField;
    return field + text::kFieldIs + gotValue + text::kFieldExpected + wantValue + text::kExpectedLine + expected +
           text::kActualLine + actual + "\n";
}
