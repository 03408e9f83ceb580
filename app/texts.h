#pragma once
// The main window's own texts, as GBK bytes: the store, the statements and
// every text the operations hand to the view are in that code page.

namespace texts {

// 没有搜索结果,请检查输入内容是否有误?
inline constexpr char kNoResults[] =
    "\xc3\xbb\xd3\xd0\xcb\xd1\xcb\xf7\xbd\xe1\xb9\xfb\x2c\xc7\xeb\xbc\xec\xb2\xe9\xca\xe4\xc8\xeb\xc4\xda\xc8\xdd"
    "\xca\xc7\xb7\xf1\xd3\xd0\xce\xf3\x3f";
// 请输入要搜索的内容！
inline constexpr char kEnterKeyword[] = "\xc7\xeb\xca\xe4\xc8\xeb\xd2\xaa\xcb\xd1\xcb\xf7\xb5\xc4\xc4\xda\xc8\xdd\xa3\xa1";
// 无此开头成语
inline constexpr char kNoSuchHead[] = "\xce\xde\xb4\xcb\xbf\xaa\xcd\xb7\xb3\xc9\xd3\xef";
// 成语
inline constexpr char kFieldIdiom[] = "\xb3\xc9\xd3\xef";
// 拼音
inline constexpr char kFieldPinyin[] = "\xc6\xb4\xd2\xf4";
inline constexpr char kFieldId[] = "ID";
// "成语: "
inline constexpr char kExplanationCaption[] = "\xb3\xc9\xd3\xef\x3a\x20";
// "当前成语:"
inline constexpr char kCurrentIdiom[] = "\xb5\xb1\xc7\xb0\xb3\xc9\xd3\xef\x3a";
// 【成语】：
inline constexpr char kLabelIdiom[] = "\xa1\xbe\xb3\xc9\xd3\xef\xa1\xbf\xa3\xba";
// 【拼音】：
inline constexpr char kLabelPinyin[] = "\xa1\xbe\xc6\xb4\xd2\xf4\xa1\xbf\xa3\xba";
// 【解释】：
inline constexpr char kLabelExplanation[] = "\xa1\xbe\xbd\xe2\xca\xcd\xa1\xbf\xa3\xba";
// 【出处】：
inline constexpr char kLabelSource[] = "\xa1\xbe\xb3\xf6\xb4\xa6\xa1\xbf\xa3\xba";
// 【示例】：
inline constexpr char kLabelExample[] = "\xa1\xbe\xca\xbe\xc0\xfd\xa1\xbf\xa3\xba";
// 【近义词】：
inline constexpr char kLabelSynonyms[] = "\xa1\xbe\xbd\xfc\xd2\xe5\xb4\xca\xa1\xbf\xa3\xba";
// 【反义词】：
inline constexpr char kLabelAntonyms[] = "\xa1\xbe\xb7\xb4\xd2\xe5\xb4\xca\xa1\xbf\xa3\xba";
// 请输入要接龙的成语！
inline constexpr char kEnterSeed[] = "\xc7\xeb\xca\xe4\xc8\xeb\xd2\xaa\xbd\xd3\xc1\xfa\xb5\xc4\xb3\xc9\xd3\xef\xa3\xa1";
// 请输入成语, the chain box's placeholder
inline constexpr char kSeedPlaceholder[] = "\xc7\xeb\xca\xe4\xc8\xeb\xb3\xc9\xd3\xef";
// "成语接龙: "
inline constexpr char kChainCaption[] = "\xb3\xc9\xd3\xef\xbd\xd3\xc1\xfa\x3a\x20";
inline constexpr char kChainArrow[] = " --> ";
inline constexpr char kCrLf[] = "\r\n";

} // namespace texts
