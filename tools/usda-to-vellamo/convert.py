#!/usr/bin/env python3
"""Builds Vellamo's default nutrient database (37-column CSV) from USDA Standard Reference data.

Inputs, both from Debian packages (the USDA data is in the public domain):
  usda_sr24.jar  from package cronometer: one XML file per food (SR24)
  FOOD_DES.txt   from package gourmand: SR21 food descriptions with food-group codes
Usage: convert.py USDA_SR24_JAR FOOD_DES_TXT OUTPUT_CSV
"""
import csv
import io
import re
import sys
import xml.etree.ElementTree as ET
import zipfile

GROUPS = {
    "01": "Dairy and Egg Products",
    "02": "Spices and Herbs",
    "03": "Baby Foods",
    "04": "Fats and Oils",
    "05": "Poultry Products",
    "06": "Soups, Sauces, and Gravies",
    "07": "Sausages and Luncheon Meats",
    "08": "Breakfast Cereals",
    "09": "Fruits and Fruit Juices",
    "10": "Pork Products",
    "11": "Vegetables and Vegetable Products",
    "12": "Nut and Seed Products",
    "13": "Beef Products",
    "14": "Beverages",
    "15": "Finfish and Shellfish Products",
    "16": "Legumes and Legume Products",
    "17": "Lamb, Veal, and Game Products",
    "18": "Baked Products",
    "19": "Sweets",
    "20": "Cereal Grains and Pasta",
    "21": "Fast Foods",
    "22": "Meals, Entrees, and Side Dishes",
    "25": "Snacks",
    "35": "American Indian/Alaska Native Foods",
    "36": "Restaurant Foods",
}
# Number ranges of later releases that belong to an older group.
LATER_NUMBERS = {"23": "13", "27": "06"}

# Vellamo's nutrient columns 5..16 and the names the SR24 files give them.
NUTRIENTS = ["Energy", "Protein", "Fat", "Saturated", "Monounsaturated", "Polyunsaturated",
             "Carbs", "Sugars", "Alcohol", "Cholesterol", "Fiber", "Sodium"]
MAX_SERVINGS = 10

# Words that open a measure's description, by what they measure.
SIZES = ("extra small", "small", "medium", "large", "extra large", "jumbo")
WHOLE = ("fruit", "each", "whole")
SERVINGS = ("serving", "nlea serving")
VOLUMES = ("cup", "tbsp", "tablespoon", "tsp", "teaspoon", "fl oz", "fluid ounce", "ml", "liter",
           "quart", "pint", "gallon", "dash", "cubic inch")
WEIGHTS = ("oz", "lb", "pound", "g")
CONTAINERS = ("can", "bottle", "jigger")
BULK = ("package", "jar", "box", "bag", "loaf", "roast", "head", "bunch", "recipe", "melon", "envelope",
        "container", "cake", "pizza", "turkey", "chicken", "duck", "goose", "capon", "bird", "rack", "ribs",
        "unit", "crust", "carton", "tub") + CONTAINERS
DRINK_GROUPS = ("Beverages",)
DRINK_WORDS = ("juice", "milk", "drink", "nectar", "beverage", "water")
GRAIN_GROUPS = ("Breakfast Cereals", "Cereal Grains and Pasta")
# Below this a measure is a fragment (a leaf, a kernel, a crumb), not what a person eats at a time.
MIN_PIECE_G = 5.0
# Above this a measure of a food is a whole roast, bird or package, not one portion; drinks excepted.
MAX_PORTION_G = 400.0
# No default may outweigh the smallest whole item by more than this.
MAX_OVER_WHOLE = 2.5
# What a food gets first when none of its measures is one portion.
HUNDRED_GRAMS = (100.0, "g", 100.0)


def number(text):
    value = float(text)
    return ("%.6f" % value).rstrip("0").rstrip(".") or "0"


def group_codes(food_des_path):
    codes = {}
    with open(food_des_path, encoding="latin-1") as f:
        for line in f:
            fields = line.rstrip("\r\n").split("^")
            if len(fields) > 1:
                codes[fields[0].strip("~")] = fields[1].strip("~")[:2]
    return codes


def opens_with(unit, words):
    """The word of words that unit begins with, as a whole word, or None."""
    for w in sorted(words, key=len, reverse=True):
        if unit == w or any(unit.startswith(w + c) for c in " ,("):
            return w
    return None


def singular(word):
    word = word.lower()
    for end, repl in (("oes", "o"), ("ies", "y"), ("s", "")):
        if word.endswith(end):
            return word[: -len(end)] + repl
    return word


def is_drink(name, group):
    head = name.split(",")[0].lower()
    return group in DRINK_GROUPS or any(w in head for w in DRINK_WORDS)


def portion_class(measure, name, group):
    """How well a measure serves as one portion: 0 is best, None is never a portion."""
    amount, unit, grams = measure
    unit = unit.lower()
    drink = is_drink(name, group)
    if grams > MAX_PORTION_G and not drink:
        return None
    if drink:
        if opens_with(unit, SERVINGS + CONTAINERS):
            return 0
        if opens_with(unit, ("cup",)):
            return 1
        if opens_with(unit, SIZES + WHOLE):
            return None  # "1 fruit yields" of a juice
    food_item = singular(name.split(",")[0].split(" ")[0])
    if opens_with(unit, SIZES + WHOLE + (food_item,)):
        return 0 if grams >= MIN_PIECE_G else None
    if opens_with(unit, SERVINGS):
        return 1 if grams >= MIN_PIECE_G else None
    if group in GRAIN_GROUPS and opens_with(unit, ("cup",)):
        return 2
    individual = "individual" in unit
    if individual or not opens_with(unit, VOLUMES + WEIGHTS + BULK):
        if grams < MIN_PIECE_G:
            return None
        return 3 if amount <= 1 else 3.5  # "5 crackers (1 serving)" after "1 slice"
    spices = group == "Spices and Herbs"
    if opens_with(unit, ("tbsp", "tablespoon")):
        return 5 if spices else 4
    if opens_with(unit, ("tsp", "teaspoon")):
        return 4 if spices else 5
    if opens_with(unit, ("oz",)):
        return 6 if amount == 3 else 7
    if opens_with(unit, ("fl oz", "fluid ounce", "cup")):
        return 8
    return 9


def default_first(measures, name, group):
    """The measures with the one a person eats at a time first, the others in the USDA's order.

    measures: (amount, unit, grams). See the README for the rule.
    """
    ranked = [(portion_class(m, name, group), i) for i, m in enumerate(measures)]
    sized = not is_drink(name, group)
    wholes = [measures[i][2] for c, i in ranked if sized and c == 0 and measures[i][0] == 1]
    cap = MAX_OVER_WHOLE * min(wholes) if wholes else None
    allowed = [(c, i) for c, i in ranked if c is not None and (cap is None or measures[i][2] <= cap)]
    if not allowed:
        return [HUNDRED_GRAMS] + measures
    best = min(c for c, _ in allowed)
    chosen = [i for c, i in allowed if c == best]
    if best == 0 and len(chosen) > 1:
        # The middle size by weight: a large egg, a medium banana.
        pick = sorted(chosen, key=lambda i: measures[i][2])[len(chosen) // 2]
    else:
        pick = chosen[0]
    return [measures[pick]] + [m for i, m in enumerate(measures) if i != pick]


def subgroup(name):
    # The first term of the name: "Squash, summer, ..." files under "Squash".
    first = name.split(",")[0].strip()
    return re.sub(r"\s+", " ", first)[:60] or "Other"


def main(jar_path, food_des_path, out_path):
    codes = group_codes(food_des_path)
    rows = []
    with zipfile.ZipFile(jar_path) as jar:
        index = jar.read("usda_sr24/foods.index").decode("latin-1").splitlines()
        for line in index:
            uid = line.split("|", 1)[0].strip()
            if not uid:
                continue
            food = ET.fromstring(jar.read("usda_sr24/%s.xml" % uid))
            name = food.get("name", "").strip()
            if not name:
                continue
            values = {n.get("name"): n.get("amount") for n in food.findall("nutrient")}
            code = codes.get(uid) or LATER_NUMBERS.get(uid[:2], uid[:2])
            group = GROUPS.get(code, "Other Foods")
            measures = []
            for m in food.findall("measure"):
                grams = float(m.get("grams", "0"))
                if grams > 0:
                    measures.append((float(m.get("amount", "1")), m.get("name", "").strip(), grams))
            servings = [("%s %s" % (number(a), u), number(g))
                        for a, u, g in default_first(measures, name, group)[:MAX_SERVINGS]]
            row = [str(int(uid)), group, subgroup(name), name]
            row += [number(values.get(n, "0") or "0") for n in NUTRIENTS]
            row.append("100")
            for i in range(MAX_SERVINGS):
                row += list(servings[i]) if i < len(servings) else ["", "0"]
            rows.append(row)
    rows.sort(key=lambda r: (r[1], r[2], r[3]))
    header = ["id", "group", "subgroup", "name", "energy_kcal", "protein_g", "fat_g", "saturates_g",
              "monounsaturates_g", "polyunsaturates_g", "carbohydrate_g", "sugar_g", "alcohol_g",
              "cholesterol_mg", "fiber_g", "sodium_mg", "reference_weight_g"]
    for i in range(1, MAX_SERVINGS + 1):
        header += ["serving_%d" % i, "serving_%d_g" % i]
    with open(out_path, "w", encoding="utf-8", newline="") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(header)
        writer.writerows(rows)
    print("%d foods written to %s" % (len(rows), out_path))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
