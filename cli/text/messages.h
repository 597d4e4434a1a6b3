#pragma once
// Every text the command line prints besides results, in English and
// Chinese. "{}" stands for the argument a message names.

#include "cli/text/language.h"

namespace cli::messages {

inline constexpr std::string_view kProgramName = "humidity-calc-cli";

// The help: an introduction, a section for each command, the lines on help
// and version, and the rules all commands share. "--help" shows all of them,
// "COMMAND --help" the command's section and the rules.
inline constexpr Message kHelpIntro = {
    R"(Usage: humidity-calc-cli COMMAND [ARGUMENTS] [--json | --csv]

The humidity calculator's conversions from a terminal, with exactly the digits
the window shows. No display is needed.

Commands:
)",
    R"(用法：humidity-calc-cli 命令 [参数] [--json | --csv]

在终端里进行湿度换算软件的换算，结果与窗口显示的数字完全相同，无需显示器。

命令：
)"};

inline constexpr Message kHelpConvert = {
    R"(  convert --KNOWN VALUE -t TEMPERATURE [-p PRESSURE] [-u UNIT]
          [--to-standard | --from-standard]
      The humidity conversion: the 18 results of the humidity page, at
      standard pressure and converted under the gauge pressure. --KNOWN names
      the known quantity:
        --dew-point   dew/frost point, ℃ td     --rh      relative humidity, %
        --ppm         volume ratio, ppm         --g-m3    absolute humidity, g/m3
        --mg-m3       absolute humidity, mg/m3  --g-kg    mixing ratio, g/kg
      -t, --temperature T  gas temperature in ℃ (required)
      -p, --pressure P     gauge (relative) pressure, default 0.3
      -u, --unit U         unit of the gauge pressure: MPa (default), bar, mbar, Pa
      --to-standard        from the present pressure to standard pressure (default)
      --from-standard      from standard pressure to the present pressure
      A last line gives the pressure dew point and the ISO 8573-1:2010 humidity
      class 1-6 it meets; classes 0 and 7-9 are not decided by a dew point.
)",
    R"(  convert --已知量 数值 -t 温度 [-p 压力值] [-u 单位]
          [--to-standard | --from-standard]
      湿度换算：湿度页的 18 个结果，即“计算值”（标准大气压）与“带压换算”。
      --已知量 为下列之一：
        --dew-point   露点/霜点，℃ td     --rh      相对湿度，%
        --ppm         体积比，ppm         --g-m3    绝对湿度，g/m3
        --mg-m3       绝对湿度，mg/m3     --g-kg    混和比，g/Kg
      -t, --temperature 温度  气体温度，℃（必填）
      -p, --pressure 压力值   相对压力，默认 0.3
      -u, --unit 单位         压力单位：MPa（默认）、bar、mbar、Pa
      --to-standard           当前压力转换为标准压力（默认）
      --from-standard         标准压力转换为当前压力
      最后一行给出压力露点及其所属的 ISO 8573-1:2010 湿度等级 1–6 级；0 级与
      7–9 级不由露点判定。
)"};

inline constexpr Message kHelpPressure = {
    R"(  pressure VALUE UNIT
      The pressure page: VALUE in all seven units. UNIT is one of bar, MPa,
      kPa, atm, kgf/cm2, mmHg, psi. The row of UNIT shows VALUE as typed.
)",
    R"(  pressure 数值 单位
      压力单位换算：把数值换算成全部七种单位。单位为 bar、MPa、kPa、atm、
      kgf/cm2、mmHg、psi 之一；该单位一行显示输入的原文。
)"};

inline constexpr Message kHelpLunar = {
    R"(  lunar DATE [TIME]
      Gregorian to lunar: DATE as YYYY-MM-DD (1901-02-19 to 2048-12-31), TIME
      as HH:MM or HH:MM:SS, China Standard Time, default 00:00:00. Shows the
      lunar date, the sexagenary year, month, day and hour of that moment, the
      zodiac animal, the solar term that begins that day and the text of the
      window's lunar date field. The date field describes the whole day as at
      23:59:59, so on the day of 立春 it names the new year even for a moment
      before the term, when the sexagenary year is still the old one.
)",
    R"(  lunar 日期 [时间]
      公历转农历：日期格式为 YYYY-MM-DD（1901-02-19 至 2048-12-31），时间格式为
      HH:MM 或 HH:MM:SS（北京时间，默认 00:00:00）。显示农历日期、该时刻的年月日时
      干支、生肖、当天交节的节气，以及窗口农历日期框的文字。日期框按当日 23:59:59
      描述整天，因此在立春当天，即使时刻早于交节、干支年仍是旧年，日期框也已显示
      新年。
)"};

inline constexpr Message kHelpGregorian = {
    R"(  gregorian YEAR MONTH DAY [--leap]
      Lunar to Gregorian: lunar year, month 1-12 and day 1-30; --leap names
      the leap month after MONTH (dropped when the year has none there).
      Shows the same as lunar for the Gregorian day found.
)",
    R"(  gregorian 农历年 月 日 [--leap]
      农历转公历：月为 1 至 12，日为 1 至 30；--leap 表示该月之后的闰月（该年没有
      这个闰月时不计）。结果的显示与 lunar 命令相同。
)"};

inline constexpr Message kHelpTerms = {
    R"(  terms YEAR
      The 24 solar terms of a year from 1880 to 2079 and the moment each
      begins, China Standard Time, to the second.
)",
    R"(  terms 年份
      1880 至 2079 年中某一年的二十四节气及交节时刻（北京时间，精确到秒）。
)"};

inline constexpr Message kHelpCalendar = {
    R"(  calendar [[MONTH] YEAR]
      Month pages in the manner of cal, Monday first, with the lunar day
      under each day (the month's name on the first day of a lunar month),
      then the month's solar terms. No operand: this month, by today's date
      in China Standard Time; YEAR alone: the twelve months of that year;
      MONTH YEAR: that month. The older order YEAR MONTH is still read when
      YEAR is above 12.
)",
    R"(  calendar [[月份] 年份]
      仿照 cal 的月历，星期一在前，每个公历日下面是农历日（农历月初一显示月名），
      后面列出本月的节气。不给参数时显示本月（按北京时间的今天）；只给年份时显示
      该年的十二个月；给出“月份 年份”时显示该月。年份大于 12 时也接受旧的
      “年份 月份”顺序。
)"};

inline constexpr Message kHelpBatch = {
    R"(  batch [FILE] [--encoding utf-8|gbk|auto] [--separator ,|;|tab]
      Many humidity conversions, one a record of a CSV file (standard input
      when FILE is missing or "-"). A header line names the columns, in any
      order:
        quantity     dew-point, rh, ppm, g-m3, mg-m3 or g-kg
                     (or the window's ℃ td, %, g/m3, mg/m3, g/Kg)
        value        the known value
        temperature  the gas temperature in ℃
        pressure     gauge pressure; optional, default 0.3
        unit         MPa, bar, mbar or Pa; optional, default MPa
        direction    to-standard or from-standard; optional, default to-standard
      Other columns are carried along unchanged. The output is CSV with the
      input's separator: the input columns, the 18 results (standard_* at
      standard pressure, pressure_* converted under pressure), an error and a
      warning column, and pressure_dew_point_class (1-6, none, or empty: the
      ISO 8573-1:2010 humidity class of the pressure dew point). A row that cannot be converted gets no results and its
      reason in the error column; a row with a physically impossible input
      (below absolute zero, above 100 % relative humidity, a negative absolute
      pressure) is converted and named in the warning column.
      Reading: the separator is the one of ',', ';' and tab that finds the
      header's columns, unless --separator names it. A double quote opens a
      quoted field only as a field's first character (which may then hold
      separators and line breaks); anywhere else it is text. Lines end with
      LF, CRLF or CR; lines of blanks are skipped. A record over 1 MiB, or a
      quote still open at the end, is an error row for the line it began on,
      and reading goes on at the next line. --encoding auto (the default)
      takes UTF-8 after a byte order mark, else weighs up to the first 1 MiB
      from the first line with a non-ASCII byte (for a live input, what has
      arrived): UTF-8 unless broken UTF-8 sequences outnumber whole ones;
      the choice holds for the whole input, and a record that is not valid
      in it is an error row naming the byte. Memory stays under 8 MiB
      whatever the input; rows from a pipe or terminal are written as soon
      as their line is complete. A progress bar shows on standard error when
      it is a terminal that standard output is not, for a file input.
)",
    R"(  batch [文件] [--encoding utf-8|gbk|auto] [--separator ,|;|tab]
      批量湿度换算，CSV 文件的每一条记录为一次换算（没有给出文件或文件为“-”时
      读标准输入）。标题行给出各列的名称，顺序不限：
        quantity     已知量：dew-point、rh、ppm、g-m3、mg-m3 或 g-kg
                     （也可用窗口中的 ℃ td、%、g/m3、mg/m3、g/Kg）
        value        已知量的数值
        temperature  气体温度，℃
        pressure     相对压力，可省略，默认 0.3
        unit         MPa、bar、mbar 或 Pa，可省略，默认 MPa
        direction    to-standard 或 from-standard，可省略，默认 to-standard
      其他列原样带到输出。输出为 CSV，分隔符与输入相同：先是输入的各列，然后是
      18 个结果（standard_* 为标准大气压下的计算值，pressure_* 为带压换算值），
      再是 error 列和 warning 列，最后是 pressure_dew_point_class 列（压力露点的
      ISO 8573-1:2010 湿度等级：1–6、none 或空）。无法换算的行不给结果，在 error 列写明原因；
      输入在物理上不可能（低于绝对零度、相对湿度高于 100 %、绝对压力为负）的行
      照常换算，在 warning 列写明。
      读法：分隔符取“,”“;”和制表符中能找到标题各列的一个，或由 --separator
      指定。双引号只有作为字段的第一个字符时才开始带引号字段（其中可含分隔符和
      换行），在其他位置只是普通字符。换行可以是 LF、CRLF 或 CR；只含空白的行
      跳过。超过 1 MiB 的记录或到输入结束仍未闭合的引号，作为其起始行的错误行，
      从下一行继续读。--encoding auto（默认）遇字节顺序标记取 UTF-8，否则从第一
      个含非 ASCII 字节的行起最多看 1 MiB（实时输入只看已到达的部分）：除非残缺
      的 UTF-8 序列多于完整的，取 UTF-8；选定后对整个输入有效，在该编码下无效的
      记录作为错误行并写明字节位置。无论输入如何，内存不超过 8 MiB；来自管道或
      终端的输入每行读完即输出。输入为文件、标准错误是终端而标准输出不是该终端
      时，在标准错误上显示进度条。
)"};

inline constexpr Message kHelpOthers = {
    R"(  help, --help, -h     this text; COMMAND --help shows that command's help
  --version            the program's version, copyright and licence
)",
    R"(  help、--help、-h     显示本说明；“命令 --help”只显示该命令的说明
  --version            显示版本、版权和许可
)"};

inline constexpr Message kHelpRules = {
    R"(Output of every command but batch: a readable table; --json one JSON object;
--csv comma-separated values with a header line. Output is UTF-8.

Every value must be a number as a whole, as in a batch row: blanks around it
are dropped and full-width digits count; a text that is not a number (an empty
one too) is refused with status 2. The number is then read as the window
reads its boxes, so the results have the window's digits.

Options: -t20, -t 20, -t=20, --temperature 20 and --temperature=20 are the
same. An argument that starts with "-" or "--" and a letter is an option and
never the value of the option before it, so -40 is a value, while a value
such as -x must be joined (--rh=-x). After "--" no argument is an option.

Exit status: 0 success, 1 some batch rows could not be converted,
2 wrong usage or an input that cannot be read, 3 standard output could not
be written in full (nothing is said when its reader has gone away).
)",
    R"(输出（batch 以外的命令）：默认为易读的表格；--json 输出一个 JSON 对象；
--csv 输出带标题行的逗号分隔值。输出编码为 UTF-8。

每个数值都必须整体是一个数字，与批量换算的行相同：忽略前后的空白，全角数字有效；
不是数字的文字（包括空文字）一律拒绝，退出状态为 2。数字再按窗口读取输入框的
方式读取，因此结果与窗口显示的数字相同。

选项：-t20、-t 20、-t=20、--temperature 20 与 --temperature=20 意义相同。以“-”
或“--”加字母开头的参数总是选项，不会当作前一个选项的值，因此 -40 是数值，而
-x 这样的值必须连写（--rh=-x）。“--”之后的参数一律不当作选项。

退出状态：0 成功，1 批量换算中有行无法换算，2 用法错误或输入无法读取，
3 标准输出未能完整写出（读取方已关闭时不另行提示）。
)"};

inline constexpr Message kHelpUsage = {"Usage:\n", "用法：\n"};

// --version after the name and version; "{}" is the package's vendor and its
// contact. The terms are the ones the program's own window states: free
// shareware, the copyright the vendor's.
inline constexpr Message kVersionCopyright = {"Copyright (C) {}", "版权所有 (C) {}"};
inline constexpr Message kVersionLicence = {
    "Licence: free shareware; it may be used and passed on free of charge.\n"
    "Contact: {} <{}>.",
    "许可：本软件为免费共享软件，可免费使用和传播。\n联系：{} <{}>。"};

inline constexpr Message kTryHelp = {"Try 'humidity-calc-cli --help' for more information.",
                                     "请运行“humidity-calc-cli --help”查看用法。"};

inline constexpr Message kNoCommand = {"no command given", "没有给出命令"};
inline constexpr Message kUnknownCommand = {"unknown command '{}'", "未知命令“{}”"};
inline constexpr Message kUnknownOption = {"unknown option '{}'", "未知选项“{}”"};
inline constexpr Message kRepeatedOption = {"option '{}' given more than once", "选项“{}”重复给出"};
inline constexpr Message kOptionTakesNoValue = {"option '{}' takes no value", "选项“{}”不带数值"};
inline constexpr Message kMissingValue = {"option '{}' needs a value", "选项“{}”缺少数值"};
inline constexpr Message kUnexpectedArgument = {"unexpected argument '{}'", "多余的参数“{}”"};
inline constexpr Message kTwoFormats = {"--json and --csv exclude each other",
                                        "--json 与 --csv 不能同时使用"};
inline constexpr Message kNoKnownQuantity = {
    "name the known quantity: --dew-point, --rh, --ppm, --g-m3, --mg-m3 or --g-kg",
    "请给出已知量：--dew-point、--rh、--ppm、--g-m3、--mg-m3 或 --g-kg"};
inline constexpr Message kTwoKnownQuantities = {"give only one known quantity",
                                                "只能给出一个已知量"};
inline constexpr Message kNoTemperature = {"the gas temperature is missing (--temperature)",
                                           "缺少气体温度（--temperature）"};
inline constexpr Message kTwoDirections = {"--to-standard and --from-standard exclude each other",
                                           "--to-standard 与 --from-standard 不能同时使用"};
inline constexpr Message kUnknownGaugeUnit = {
    "unknown pressure unit '{}': use MPa, bar, mbar or Pa",
    "未知压力单位“{}”：请用 MPa、bar、mbar 或 Pa"};
inline constexpr Message kOptionNotANumber = {"{} is not a number: '{}'", "{} 不是数字：“{}”"};
inline constexpr Message kPressureNotANumber = {"the pressure value is not a number: '{}'",
                                                "压力数值不是数字：“{}”"};
inline constexpr Message kPressureOperands = {"pressure needs a value and a unit",
                                              "pressure 命令需要数值和单位"};
inline constexpr Message kUnknownPressureUnit = {
    "unknown pressure unit '{}': use bar, MPa, kPa, atm, kgf/cm2, mmHg or psi",
    "未知压力单位“{}”：请用 bar、MPa、kPa、atm、kgf/cm2、mmHg 或 psi"};

inline constexpr Message kLunarOperands = {"lunar needs a date (YYYY-MM-DD) and may take a time",
                                           "lunar 命令需要日期（YYYY-MM-DD），可另给时间"};
inline constexpr Message kGregorianOperands = {"gregorian needs a lunar year, month and day",
                                               "gregorian 命令需要农历年、月、日"};
inline constexpr Message kTermsOperands = {"terms needs a year", "terms 命令需要年份"};
inline constexpr Message kBadDate = {"not a date: '{}' (write YYYY-MM-DD)",
                                     "不是日期：“{}”（格式为 YYYY-MM-DD）"};
inline constexpr Message kBadTime = {"not a time: '{}' (write HH:MM or HH:MM:SS)",
                                     "不是时间：“{}”（格式为 HH:MM 或 HH:MM:SS）"};
inline constexpr Message kBadYear = {"not a year from 1 to 9999: '{}'",
                                     "不是 1 至 9999 的年份：“{}”"};
inline constexpr Message kBadMonth = {"not a month from 1 to 12: '{}'",
                                      "不是 1 至 12 的月份：“{}”"};
inline constexpr Message kBadLunarDay = {"not a lunar day from 1 to 30: '{}'",
                                         "不是 1 至 30 的农历日：“{}”"};
inline constexpr Message kOutsideLunarRange = {
    "{} is outside the lunar calendar, which runs from 1901-02-19 to 2048-12-31",
    "{} 不在农历换算范围内（1901-02-19 至 2048-12-31）"};
inline constexpr Message kNoSuchLunarDate = {
    "there is no such lunar date between 1901-02-19 and 2048-12-31: {}",
    "1901-02-19 至 2048-12-31 之间没有这个农历日期：{}"};
inline constexpr Message kOutsideTermRange = {
    "the solar terms are known for the years 1880 to 2079, not {}",
    "节气只有 1880 至 2079 年的数据，没有 {} 年"};

inline constexpr Message kRowMissing = {"no {} given", "缺少{}"};
inline constexpr Message kRowNotANumber = {"{} is not a number: '{}'", "{}不是数字：“{}”"};
inline constexpr Message kRowUnknownName = {"unknown {} '{}'", "未知的{}：“{}”"};
inline constexpr Message kRowFieldCount = {"the row has {} fields where the header has {}",
                                           "本行有 {} 个字段，标题行有 {} 个"};
inline constexpr Message kBatchOperands = {"batch takes one input file at most",
                                           "batch 命令最多接受一个输入文件"};
inline constexpr Message kUnknownEncoding = {"unknown encoding '{}': use utf-8, gbk or auto",
                                             "未知编码“{}”：请用 utf-8、gbk 或 auto"};
inline constexpr Message kUnknownSeparator = {"unknown separator '{}': use ',', ';' or tab",
                                              "未知分隔符“{}”：请用“,”“;”或 tab"};
inline constexpr Message kCannotOpen = {"cannot open '{}': {}", "无法打开“{}”：{}"};
inline constexpr Message kCannotRead = {"cannot read '{}': {}", "无法读取“{}”：{}"};
inline constexpr Message kStandardInput = {"standard input", "标准输入"};
inline constexpr Message kNoHeader = {"the input has no header line", "输入没有标题行"};
inline constexpr Message kNoColumn = {"the header names no '{}' column; its columns are: {}",
                                      "标题行中没有“{}”列；标题行的列为：{}"};
inline constexpr Message kBadHeader = {"the header cannot be read: {}", "无法读取标题行：{}"};
inline constexpr Message kRowTooLong = {"the record that starts on line {} is longer than 1 MiB",
                                        "从第 {} 行开始的记录超过 1 MiB"};
inline constexpr Message kRowOpenQuote = {"the quoted field opened on line {} is never closed",
                                          "第 {} 行开始的带引号字段没有结束"};
inline constexpr Message kRowBadEncoding = {"not valid {} at byte {} of the input",
                                            "不是有效的 {}（输入第 {} 字节）"};
inline constexpr Message kRowsFailed = {
    "{} of {} rows could not be converted; see the error column",
    "{} 行（共 {} 行）无法换算，原因见 error 列"};
inline constexpr Message kRowsWarned = {
    "{} of {} rows hold a physically impossible input; see the warning column",
    "{} 行（共 {} 行）的输入在物理上不可能，见 warning 列"};
inline constexpr Message kWarning = {"warning: {}", "警告：{}"};
inline constexpr Message kWriteError = {"write error on standard output: {}",
                                        "写入标准输出出错：{}"};
inline constexpr Message kOutOfMemory = {"out of memory", "内存不足"};

inline constexpr Message kBelowAbsoluteZero = {"temperature below absolute zero (-273.15 ℃)",
                                               "温度低于绝对零度（-273.15 ℃）"};
inline constexpr Message kAboveSaturation = {"relative humidity above 100 %", "相对湿度高于 100 %"};
inline constexpr Message kNegativeAbsolutePressure = {
    "absolute pressure below zero after the gauge conversion", "换算后的绝对压力低于零"};
inline constexpr Message kListSeparator = {"; ", "；"};

inline constexpr Message kPressureTitle = {"Pressure units", "压力单位换算"};

}  // namespace cli::messages
