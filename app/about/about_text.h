#pragma once
// The about window's description: one paragraph, a line break, and a line on
// the product's name.

inline constexpr wchar_t kAboutDescription[] =
    L"Quorlen为免费软件，共收录汉语成语51470多条，是目前收录量最多成语词典。本词典中大部分成语都做了校对，工作量大耗费了一个多月。成语中包含有拼音、解释、出处、示例、近义词、反义词、语法 、歇后语、英文、日文、法文、德文、俄文、成语故事等解释内容。检索方便，支持拼音或汉字检索；支持模糊、精确、词首、词尾查找成语;还提供成语接龙游戏。适用于中小学及搞写作的人使用。"
    L"\r\n"
    L"Quorlen之名取“足数”之意：愿本词典收词足数、释义足信，不负其名。";
