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
            servings = []
            for m in food.findall("measure")[:MAX_SERVINGS]:
                grams = float(m.get("grams", "0"))
                if grams <= 0:
                    continue
                servings.append(("%s %s" % (number(m.get("amount", "1")), m.get("name", "").strip()), number(grams)))
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
