#pragma once
// The texts of the main window's two help boxes, exactly as users have always
// seen them: the two ideographic spaces at the end of the search help and the
// two plain spaces and final line break of the chain-game help are part of them.

inline constexpr wchar_t kSearchHelpText[] =
    L"请在文本框中输入搜索关键字！\r\n可选择以下方式查找：\r\n\r\n模糊：包含关键字的所有成语\r\n精确：完全和关键字匹配的成语\r\n词首：以关键字开头的成语\r\n词尾：以关键字结尾的成语\r\n拼音：拼音开头包含关键字的成语\u3000\u3000";

inline constexpr wchar_t kChainHelpText[] =
    L"请在文本框中输入接龙的成语或者汉字  \r\n\r\n选择要接龙的成语条数即可！\r\n\r\n接龙游戏仅供参考,请勿参与接龙游戏, 以免失去小游戏乐趣\r\n";
