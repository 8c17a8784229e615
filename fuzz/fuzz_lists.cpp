// Every encoded-list class reads arbitrary text without harm. A list that parsed writes a
// canonical text that reads back to the same text and the same answers; a list that did not
// parse answers exactly as a new, empty list.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lists_support.hpp"

namespace {

using namespace OrvaneLib;

[[noreturn]] void Fail(const char* what, const std::string& cls, const std::string& text) {
    std::fprintf(stderr, "%s: %s for '%s'\n", cls.c_str(), what, text.c_str());
    std::abort();
}

template <class List>
void Check(const std::string& text) {
    List list;
    list.SetList(text);
    if (!list.HasList()) {
        if (lists_test::Answers(list) != lists_test::Answers(List()))
            Fail("an unparsed list answers unlike an empty one", list.ClassName(), text);
        return;
    }
    const std::string canonical = list.GetList();
    List again;
    again.SetList(canonical);
    if (again.GetList() != canonical)
        Fail("canonical text changes on reading", list.ClassName(), text);
    if (!detail::IsBlank(canonical) && lists_test::Answers(again) != lists_test::Answers(list))
        Fail("canonical text answers differently", list.ClassName(), text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Some classes report malformed lists in a message box; the fuzzer has no one to show it to.
    SetMessageBoxHandler([](const std::string&, MsgIcon, const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Check<clsListSimple>(text);
    Check<clsListLevel>(text);
    Check<clsListBonus>(text);
    Check<clsListSynergy>(text);
    Check<clsListSubSynergy>(text);
    Check<clsListOrSimple>(text);
    Check<clsListOrLevel>(text);
    Check<clsListTripleSimple>(text);
    return 0;
}
