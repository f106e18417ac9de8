#include "naming/zodiac_advice.h"

#include "runtime/text.h"

// The advice of each branch (zodiac animal); 巳 and 午 end with a blank.
#define ADVICE_RAT \
    "属相(生肖)：鼠<br>鼠年出生的人取名偏旁部首：<br>宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉<br>忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首"
#define ADVICE_OX \
    "属相(生肖)：牛<br>牛年出生的人取名偏旁部首：<br>宜：水、艹、豆、米、金、玉、宀、人、木、氵、钅等部首为吉<br>忌：月、火、田、车、马、石、血、纟、刀、几等部首"
#define ADVICE_TIGER \
    "属相(生肖)：虎<br>虎年出生的人取名偏旁部首：<br>宜：山、玉、金、木、示、水、月、犭、马、氵、钅等部首为吉<br>忌：日、火、田、口、几、纟、石、刀、血、弓、父、足等部首"
#define ADVICE_RABBIT \
    "属相(生肖)：兔<br>兔年出生的人取名偏旁部首：<br>宜：月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅等部首为吉<br>忌：马、车、石、刀、力、皮、水、川等部首"
#define ADVICE_DRAGON \
    "属相(生肖)：龙<br>龙年出生的人取名偏旁部首：<br>宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉<br>忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首"
#define ADVICE_SNAKE \
    "属相(生肖)：蛇<br>蛇年出生的人取名偏旁部首：<br>宜：艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅等部首为吉<br>忌：小、石、刀、血、弓、火、人、犭、父、纟等部首 "
#define ADVICE_HORSE \
    "属相(生肖)：马<br>马年出生的人取名偏旁部首：<br>宜：艹、金、玉、木、禾、虫、米、人、月、土、才、钅等部首为吉<br>忌：田、日、火、水、车、石、力、刀、酉、马等部首 "
#define ADVICE_GOAT \
    "属相(生肖)：羊<br>羊年出生的人取名偏旁部首：<br>宜：金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼等部首为吉<br>忌：小、犭、纟、车、山、水、日、火等部首"
#define ADVICE_MONKEY \
    "属相(生肖)：猴<br>猴年出生的人取名偏旁部首：<br>宜：木、禾、金、玉、豆、米、田、山、月、水、人、氵等部首为吉<br>忌：火、石、口、冖、纟、刀、力、皮、犭等部首"
#define ADVICE_ROOSTER \
    "属相(生肖)：鸡<br>鸡年出生的人取名偏旁部首：<br>宜：米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅等部首为吉<br>忌：石、犭、刀、力、日、酉、血、弓、才、乡、车、马等部首"
#define ADVICE_DOG \
    "属相(生肖)：狗<br>狗年出生的人取名偏旁部首：<br>宜：鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅等部首为吉<br>忌：火、石、纟、山、才、日、酉、车、刀、父、言等部首"
#define ADVICE_PIG \
    "属相(生肖)：猪<br>猪年出生的人取名偏旁部首：<br>宜：豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵等部首为吉<br>忌：纟、石、刀、力、血、弓、几、皮、父等部首"

const char ZodiacRadicalAdviceTable[] =
    "甲子年，" ADVICE_RAT "|" "乙丑年，" ADVICE_OX "|" "丙寅年，" ADVICE_TIGER "|" "丁卯年，" ADVICE_RABBIT "|"
    "戊辰年，" ADVICE_DRAGON "|" "己巳年，" ADVICE_SNAKE "|" "庚午年，" ADVICE_HORSE "|" "辛未年，" ADVICE_GOAT "|"
    "壬申年，" ADVICE_MONKEY "|" "癸酉年，" ADVICE_ROOSTER "|" "甲戌年，" ADVICE_DOG "|" "乙亥年，" ADVICE_PIG "|"
    "丙子年，" ADVICE_RAT "|" "丁丑年，" ADVICE_OX "|" "戊寅年，" ADVICE_TIGER "|" "己卯年，" ADVICE_RABBIT "|"
    "庚辰年，" ADVICE_DRAGON "|" "辛巳年，" ADVICE_SNAKE "|" "壬午年，" ADVICE_HORSE "|" "癸未年，" ADVICE_GOAT "|"
    "甲申年，" ADVICE_MONKEY "|" "乙酉年，" ADVICE_ROOSTER "|" "丙戌年，" ADVICE_DOG "|" "丁亥年，" ADVICE_PIG "|"
    "戊子年，" ADVICE_RAT "|" "己丑年，" ADVICE_OX "|" "庚寅年，" ADVICE_TIGER "|" "辛卯年，" ADVICE_RABBIT "|"
    "壬辰年，" ADVICE_DRAGON "|" "癸巳年，" ADVICE_SNAKE "|" "甲午年，" ADVICE_HORSE "|" "乙未年，" ADVICE_GOAT "|"
    "丙申年，" ADVICE_MONKEY "|" "丁酉年，" ADVICE_ROOSTER "|" "戊戌年，" ADVICE_DOG "|" "己亥年，" ADVICE_PIG "|"
    "庚子年，" ADVICE_RAT "|" "辛丑年，" ADVICE_OX "|" "壬寅年，" ADVICE_TIGER "|" "癸卯年，" ADVICE_RABBIT "|"
    "甲辰年，" ADVICE_DRAGON "|" "乙巳年，" ADVICE_SNAKE "|" "丙午年，" ADVICE_HORSE "|" "丁未年，" ADVICE_GOAT "|"
    "戊申年，" ADVICE_MONKEY "|" "己酉年，" ADVICE_ROOSTER "|" "庚戌年，" ADVICE_DOG "|" "辛亥年，" ADVICE_PIG "|"
    "壬子年，" ADVICE_RAT "|" "癸丑年，" ADVICE_OX "|" "甲寅年，" ADVICE_TIGER "|" "乙卯年，" ADVICE_RABBIT "|"
    "丙辰年，" ADVICE_DRAGON "|" "丁巳年，" ADVICE_SNAKE "|" "戊午年，" ADVICE_HORSE "|" "己未年，" ADVICE_GOAT "|"
    "庚申年，" ADVICE_MONKEY "|" "辛酉年，" ADVICE_ROOSTER "|" "壬戌年，" ADVICE_DOG "|" "癸亥年，" ADVICE_PIG "|";

#undef ADVICE_RAT
#undef ADVICE_OX
#undef ADVICE_TIGER
#undef ADVICE_RABBIT
#undef ADVICE_DRAGON
#undef ADVICE_SNAKE
#undef ADVICE_HORSE
#undef ADVICE_GOAT
#undef ADVICE_MONKEY
#undef ADVICE_ROOSTER
#undef ADVICE_DOG
#undef ADVICE_PIG

// The table is GBK (the sources are compiled with GBK as their execution character set).
static_assert(sizeof ZodiacRadicalAdviceTable - 1 == 10410, "60 entries of the advice table");

std::vector<std::string> SplitZodiacRadicalAdviceTable()
{
    return TextSplit(ZodiacRadicalAdviceTable, "|");
}
