#pragma once

#include "bilingual.h"

// What every window and the command line say of the catalogue, Chinese and English side by side.
namespace CatalogueTexts {
inline constexpr Bilingual readFailed{"无法完整读取CPU数据文件（data.dll），计算未完成。请检查该文件后重试。",
                                      "The CPU catalogue (data.dll) could not be read to its end, so the "
                                      "calculation was not completed. Check the file and try again."};

// The catalogue check's report: a line for each finding, then where the catalogue ends and how many records.
inline constexpr Bilingual skippedNoComma{"第%1行：已跳过，没有逗号", "line %1: skipped, no comma"};
inline constexpr Bilingual skippedBadScore{"第%1行：已跳过，分数不是数字",
                                           "line %1: skipped, the score is not a number"};
inline constexpr Bilingual skippedBadBytes{"第%1行：已跳过，含有无法读取的字节",
                                           "line %1: skipped, bytes that cannot be read as text"};
inline constexpr Bilingual skippedTooLong{"第%1行：已跳过，长度超过64 KiB", "line %1: skipped, longer than 64 KiB"};
inline constexpr Bilingual controlCharacters{
    "第%1行：警告，型号含有控制字符、文字方向字符或非字符",
    "line %1: warning, the model text holds control, text-direction or non-characters"};
inline constexpr Bilingual scoreTooLarge{
    "第%1行：警告，分数过大，CPU负载查询将略过此行",
    "line %1: warning, the score is too large: the capacity query leaves this line out"};
inline constexpr Bilingual quoted{"：“%1”", ": \"%1\""};
inline constexpr Bilingual ignoredAfterEmpty{
    "第%1行为空行：CPU列表到此结束，第%2至%3行不会被读取",
    "line %1 is empty: the catalogue ends there, lines %2 to %3 are never read"};
inline constexpr Bilingual endsAtEmpty{"第%1行为空行：CPU列表到此结束", "line %1 is empty: the catalogue ends there"};
inline constexpr Bilingual summary{"记录：%1条（Intel %2条，AMD %3条，两者皆无%4条）；跳过：%5行",
                                   "records: %1 (Intel %2, AMD %3, neither %4); lines skipped: %5"};
inline constexpr Bilingual noRecords{"警告：CPU列表中没有任何记录，CPU列表将为空",
                                     "warning: the catalogue holds no record, every list will be empty"};

// The details file beside the catalogue, as the check finds it.
inline constexpr Bilingual detailsBadBytes{"CPU细节文件第%1行：已跳过，含有不是UTF-8文本的字节",
                                           "details line %1: skipped, bytes that are not UTF-8 text"};
inline constexpr Bilingual detailsTooLong{"CPU细节文件第%1行：已跳过，长度超过64 KiB",
                                          "details line %1: skipped, longer than 64 KiB"};
inline constexpr Bilingual detailsFields{"CPU细节文件第%1行：已跳过，不是以制表符分隔的5列",
                                         "details line %1: skipped, not five fields set apart by tabs"};
inline constexpr Bilingual detailsNoModel{"CPU细节文件第%1行：已跳过，没有型号",
                                          "details line %1: skipped, no model text"};
inline constexpr Bilingual detailsBadCount{"CPU细节文件第%1行：已跳过，数量不是1至1000000之间的整数",
                                           "details line %1: skipped, a count that is not a whole number from 1 to "
                                           "1000000"};
inline constexpr Bilingual detailsNoSockets{"CPU细节文件第%1行：已跳过，路数为0",
                                            "details line %1: skipped, 0 sockets"};
inline constexpr Bilingual detailsFewerThreads{"CPU细节文件第%1行：已跳过，线程少于核心",
                                               "details line %1: skipped, fewer threads than cores"};
inline constexpr Bilingual detailsRepeated{
    "CPU细节文件第%1行：警告，此型号在前面已有一行（与CPU数据文件逐行对应时用于对应的行，否则只用第一行）",
    "details line %1: warning, an earlier line has this model (it counts for the catalogue line in its place while "
    "the two go line by line, else only the first counts)"};
inline constexpr Bilingual noRecord{"CPU细节文件第%1行：CPU数据文件中没有此型号",
                                    "details line %1: no catalogue line has this model"};
inline constexpr Bilingual noDetails{"第%1行：CPU细节文件中没有此型号的细节",
                                     "line %1: the details file gives no facts for this model"};
inline constexpr Bilingual detailsSummary{"CPU细节：%2条记录中%1条已知",
                                          "processor details: known for %1 of %2 records"};
inline constexpr Bilingual noDetailsFile{"没有CPU细节文件（data-details.tsv）：核心、线程、许可证和TDP均为未知",
                                         "no details file (data-details.tsv): cores, threads, licences and TDP are "
                                         "unknown"};

// The check's verdict, in plain words.
inline constexpr Bilingual sound{"CPU数据文件完好：%1条记录", "The catalogue is sound: %1 records"};
inline constexpr Bilingual oneSkipped{"1行将被跳过：见下文", "1 line would be skipped: see below"};
inline constexpr Bilingual linesSkipped{"%1行将被跳过：见下文", "%1 lines would be skipped: see below"};
inline constexpr Bilingual neverRead{"第%1至%2行不会被读取：见下文", "Lines %1 to %2 are never read: see below"};
inline constexpr Bilingual empty{"CPU数据文件中没有任何记录：CPU列表将为空",
                                 "The catalogue holds no record: every list will be empty"};
inline constexpr Bilingual missing{"找不到CPU数据文件：%1", "The catalogue cannot be found: %1"};
inline constexpr Bilingual unopenable{"无法打开CPU数据文件：%1", "The catalogue cannot be opened: %1"};
inline constexpr Bilingual cutShort{"无法完整读取CPU数据文件：%1", "The catalogue cannot be read to its end: %1"};
} // namespace CatalogueTexts
