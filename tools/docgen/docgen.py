#!/usr/bin/env python3
"""Generates the study documents of the doc directory: the introduction and the inspections.

    python3 tools/docgen/docgen.py [output directory]     (default: content/doc)

The documents are RTF with headings, bullet lists, numbered check points and one illustration
each, drawn by pictures.py. Edit the texts here and rerun; commit the generated .rtf files.
"""

import os
import sys

import pictures
from rtf import Document


def introduction():
    d = Document("Introduction to the Learner")
    d.heading("Welcome, learner!", 0)
    d.paragraph("This program helps you prepare for the **learner's licence test** of South Africa. It "
                "explains the rules of the road, road signs and signals and the controls of your vehicle, "
                "and lets you answer test questions as often as you like, so that on test day nothing is new.")
    d.picture(pictures.program_steps(), 604, 150, "Sign in, choose a course, study, practise, test yourself.")

    d.heading("How to use the program")
    d.steps([
        "**Sign in.** Type your name in the box that says \u201cEnter your name here\u201d and press Enter or "
        "click the next button. The first time, the program makes a profile under your name. When you "
        "come back, type the same name: the program remembers your course and the practice question "
        "you reached.",
        "**Choose a course.** Click the truck for a heavy motor vehicle (code 3), the car for a light "
        "motor vehicle (code 2) or the bike for a motorcycle (code 1). The questions, the controls page "
        "and the inspection documents follow your choice.",
        "**Study.** The main menu on the right lists the study pages: The Learner's Exam, Cardinal Rules, "
        "Driving Rules, Defensive Driving, Driver Responsibilities, Road Signs / Signals, the Controls of "
        "your vehicle and the Exterior and Interior Inspection. Click a topic in a page's list to read "
        "about it; point at a control's name to see it pictured. Every page has a back button to the menu.",
        "**Practise.** \u201cLearners Questions\u201d asks the questions of your course one by one and tells "
        "you at once whether your answer is **Correct** or **Incorrect**. Nothing is scored, so take your "
        "time and read the explanation in the study pages when you get one wrong. The program keeps your "
        "place for the next time you sign in.",
        "**Test yourself.** \u201cTest yourself\u201d works like the real test: you see no verdict, but the "
        "program keeps a score for each of the three sections of the test. Each time you start a test "
        "the scores begin again at nought.",
        "**Watch your progress.** Back on the main menu, the three round gauges show your scores for "
        "**rules of the road**, **vehicle controls** and **road signs**. Aim to fill all three: in the real "
        "test each section must be passed on its own.",
    ])
    d.paragraph("**Options** on the main menu checks for a newer version of the program and of the "
                "questions (you need an internet connection). **Exit Program** closes the program; your "
                "profile and progress are kept.")

    d.heading("About the learner's licence test")
    d.paragraph("The learner's licence lets you learn to drive on public roads. You get it by passing a "
                "written, multiple-choice theory test at a **Driving Licence Testing Centre** (DLTC).")
    d.bullets([
        "**Licence codes:** code 1 for a motorcycle, code 2 for a light motor vehicle and code 3 for a "
        "heavy motor vehicle. You write the test for the code you want.",
        "**Age:** at least 16 years for a motorcycle of not more than 125 cm\u00b3, 17 years for a light "
        "motor vehicle and 18 years for a heavy motor vehicle.",
        "**Booking:** book at a testing centre (or online where your centre offers it). Bring your "
        "identity document, the photographs asked for and the fee. Your eyesight is tested on the day.",
        "**Three sections:** rules of the road, road signs, signals and markings, and the controls of "
        "the vehicle. You must pass **every** section; a high score in one does not make up for another.",
        "**The questions:** each question offers several answers and one of them is right; some "
        "questions list statements and ask which of them are true. Read every answer before you "
        "choose: often two look alike and differ in one word.",
        "**Validity:** the learner's licence is valid for **24 months**. Take your driving test before "
        "it expires.",
        "**While learning:** when you drive a car or truck, a person with a valid driving licence for "
        "that vehicle must sit beside you. A learner motorcyclist may not carry a passenger.",
    ])

    d.heading("Tips for studying")
    d.bullets([
        "Study a little every day rather than everything the night before.",
        "Learn the road signs by their **shape and colour** first: the shape tells you the kind of sign.",
        "After each practice round, go back to the pages of the questions you got wrong.",
        "Use \u201cTest yourself\u201d only once you score well in practice, and repeat it until all three "
        "gauges are well filled.",
    ])
    d.note("**Good luck!** Careful study now makes you a safer driver for life.")
    return d


def light_vehicle_exterior():
    d = Document("Light Motor Vehicle: Exterior Inspection")
    d.heading("Light Motor Vehicle \u2013 Exterior Inspection", 0)
    d.paragraph("Before every trip, and at the start of the practical driving test, walk around the vehicle "
                "and check that it is safe and roadworthy. Follow the numbers on the picture: start at the "
                "front and walk all the way round.")
    d.picture(pictures.light_vehicle(), 560, 240, "Walk-around check points of a light motor vehicle.")
    d.heading("Before you start")
    d.bullets([
        "Look **under and around** the vehicle for children, animals, objects and anything lying in the way.",
        "Make sure the vehicle is parked safely, with the **handbrake on**.",
    ])
    d.heading("The walk-around")
    d.steps([
        "**Front lights and indicators:** headlights, park lights and indicators present, clean, not "
        "cracked or broken. The front number plate is fitted, clean and readable.",
        "**Windscreen and wipers:** no cracks or chips in the driver's view; wiper blades not torn or "
        "perished. The valid **licence disc** is displayed on the windscreen.",
        "**Front tyres and wheels:** tread at least **1 mm** deep over the whole tread, no cuts, bulges or "
        "exposed cords, tyres properly inflated; **wheel nuts** all present and tight.",
        "**Side mirrors:** present, clean, not cracked and firmly fixed.",
        "**Doors and windows:** doors close and lock properly, windows clean, no loose or sharp body parts.",
        "**Rear tyres and wheels:** check them as you checked the front tyres.",
        "**Fuel cap:** present and closed tightly, no smell of fuel.",
        "**Rear lights and number plate:** tail lights, brake lights, indicators, reverse lights and "
        "reflectors clean and undamaged; rear number plate fitted, clean and readable.",
        "**Exhaust:** fixed firmly and not hanging loose; no blue or thick black smoke when the engine runs.",
        "**Under the vehicle:** no fresh drops of oil, water, brake fluid or fuel on the ground.",
    ])
    d.heading("Under the bonnet (cold engine, level ground)")
    d.bullets([
        "**Engine oil** between the marks on the dipstick.",
        "**Coolant**, **brake fluid** and **windscreen washer** water at the right level.",
        "**Battery** secure, terminals clean and tight; drive belts not cracked or loose.",
    ])
    d.heading("In the boot")
    d.bullets([
        "**Spare wheel** in good order and inflated, with the **jack** and **wheel spanner**.",
        "An **emergency warning triangle** to place behind the vehicle if it breaks down.",
    ])
    d.note("**Remember:** if you find a fault that makes the vehicle unsafe, do not drive it until the "
           "fault has been repaired.")
    return d


def heavy_vehicle_exterior():
    d = Document("Heavy Motor Vehicle: Exterior Inspection")
    d.heading("Heavy Motor Vehicle \u2013 Exterior Inspection", 0)
    d.paragraph("A heavy vehicle carries heavy loads at speed: a fault that goes unnoticed can cost lives. "
                "Inspect the vehicle before every trip, walking around it in the order of the numbers on "
                "the picture, and look underneath as you go.")
    d.picture(pictures.heavy_vehicle(), 600, 250, "Walk-around check points of a heavy motor vehicle.")
    d.heading("Before you start")
    d.bullets([
        "Park on level ground with the **parking brake applied** and the wheels chocked if needed.",
        "Look **under and around** the vehicle for people, animals and obstructions.",
    ])
    d.heading("The walk-around")
    d.steps([
        "**Front lights:** headlights, park lights, indicators and front reflectors clean, working and "
        "undamaged; front number plate fitted and readable.",
        "**Windscreen and wipers:** no cracks in the driver's view, wiper blades in good order; the "
        "**licence disc** (and any operator card required) displayed.",
        "**Mirrors:** all mirrors present, clean, firmly fixed and adjusted.",
        "**Steering axle tyres and wheels:** tread at least **1 mm** deep, no cuts or bulges, correct "
        "pressure; **wheel nuts** all present and tight, no rust streaks around them; steering parts "
        "not bent or loose.",
        "**Fuel tank:** secure on its mountings, **cap closed**, no leaks.",
        "**Air system:** air tanks drained of water, air lines not chafed or leaking (listen for hissing), "
        "brake chambers and slack adjusters in place.",
        "**Drive axle tyres:** check every tyre, including the **inner duals**; remove stones stuck between "
        "dual tyres; springs and suspension not broken or shifted.",
        "**Body and load:** load evenly spread and **secured** with straps or chains, doors and tailgate "
        "closed and latched, no loose parts or objects.",
        "**Rear:** tail, brake and reverse lights, indicators, reflectors, the rear chevron and the "
        "reflective markings clean and complete; rear number plate readable; **under-run bar** in place.",
        "**Mudflaps:** present and not torn.",
        "**Under the vehicle:** no fresh oil, fuel, coolant or air leaks; nothing hanging loose.",
    ])
    d.heading("Combination vehicles (truck-tractor and trailer)")
    d.bullets([
        "**Fifth wheel** locked on the **kingpin**: no gap between the fifth-wheel plate and the trailer, "
        "locking jaws closed, release handle in the locked position.",
        "**Air and electrical lines** between truck and trailer connected, not tangled, chafed or dragging.",
        "Trailer **landing legs** fully raised and the handle stowed; safety chains fitted where required.",
    ])
    d.heading("Equipment")
    d.bullets([
        "**Emergency warning triangles**, a working fire extinguisher where required, wheel chocks.",
        "Spare wheel secure, and the tools to change a wheel.",
    ])
    d.note("**Remember:** a heavy vehicle with a brake, steering, tyre or coupling fault must not be driven "
           "until it has been repaired.")
    return d


def motorcycle_exterior():
    d = Document("Motorcycle: Pre-ride Inspection")
    d.heading("Motorcycle \u2013 Pre-ride Inspection", 0)
    d.paragraph("A motorcycle has only two tyres and no body to protect you: a small fault is a big danger. "
                "Check the motorcycle before every ride, in the order of the numbers on the picture.")
    d.picture(pictures.motorcycle(), 520, 250, "Check points of a motorcycle.")
    d.heading("The check")
    d.steps([
        "**Front tyre and wheel:** tread at least **1 mm** deep, no cuts or bulges, correct pressure "
        "(check when the tyre is cold); rim not bent, no loose or broken spokes.",
        "**Front brake:** the lever feels firm and does not touch the handlebar; disc and pads not worn.",
        "**Headlight and indicators:** headlight works on dipped and main beam; indicators flash; lenses "
        "clean and not broken.",
        "**Mirrors:** both mirrors clean, tight and adjusted so you can see behind you.",
        "**Handlebar controls:** the **throttle** turns freely and snaps back closed by itself; clutch "
        "lever has a little free play; cables not frayed or kinked; **hooter** and switches work.",
        "**Fuel and oil:** enough fuel for the trip, engine oil at the right level, filler caps closed.",
        "**Chain and sprockets:** chain clean, **oiled** and correctly tensioned (usually about 20 to 30 mm "
        "of up-and-down movement; see the owner's manual); sprocket teeth not hooked or worn.",
        "**Rear tyre and brake:** check the tyre as the front one; the rear brake pedal feels firm.",
        "**Tail light, brake light and number plate:** tail light works, brake light comes on with "
        "**both** the lever and the pedal; number plate fitted and readable; **licence disc** valid.",
        "**Stand:** the side stand and centre stand spring up fully and do not drag.",
    ])
    d.heading("Under the motorcycle")
    d.bullets([
        "No oil, fuel or coolant dripping; nothing hanging loose.",
    ])
    d.heading("Your protective gear")
    d.bullets([
        "A **helmet** that fits well and is **fastened** \u2013 wearing a helmet is the law for the rider "
        "and any passenger.",
        "**Eye protection:** a clean visor or goggles.",
        "**Gloves**, a strong **jacket**, long trousers and **boots** that cover the ankles.",
        "Bright or reflective clothing so that other road users see you.",
    ])
    d.note("**Remember:** with a learner's licence you may not carry a passenger.")
    return d


def interior():
    d = Document("Interior Inspection")
    d.heading("Interior Inspection \u2013 Light and Heavy Motor Vehicles", 0)
    d.paragraph("Once the outside of the vehicle has been checked, get in and prepare the cab before you "
                "start the engine. Work through the numbers on the picture in this order.")
    d.picture(pictures.interior(), 560, 300, "Check points inside the vehicle.")
    d.heading("Getting ready")
    d.steps([
        "**Seat and seat belt:** adjust the seat so that you can press the clutch (or brake) pedal to "
        "the floor with your knee still slightly bent, and your wrists rest on top of the steering wheel "
        "with your back against the backrest. Set the **head restraint** level with the top of your ears. "
        "Fasten the **seat belt**: not twisted, the lap part low over the hips. Make sure passengers "
        "buckle up too.",
        "**Interior mirror:** adjust it to frame the whole rear window without moving your head.",
        "**Side mirrors:** adjust them so that you just see the side of your own vehicle, with as much "
        "of the road beside and behind you as possible.",
        "**Gauges:** with the ignition on, check the **fuel** level and, once the engine runs, the "
        "**temperature** gauge (and the **air pressure** gauges in a vehicle with air brakes).",
        "**Warning lights:** they light up when the ignition is switched on and must go out once the "
        "engine runs. A light that stays on means a fault (see the table below).",
        "**Hooter:** press it briefly to make sure it works.",
        "**Wipers and washers:** test them; the windscreen must be clean inside and out.",
        "**Handbrake:** applied and holding the vehicle.",
        "**Gear lever:** in **neutral** (or **P** in an automatic) before you start the engine.",
        "**Pedals:** nothing under or near the pedals (bottles, loose mats); the brake pedal feels firm "
        "and does not sink; the clutch has a little free play.",
    ])
    d.heading("Also check")
    d.bullets([
        "**Lights:** indicators, headlights on dipped and main beam, park lights and **hazard lights** work.",
        "**Steering:** no excessive free play in the steering wheel.",
        "**Doors** closed properly; loose objects stowed so that they cannot slide under the pedals.",
    ])
    d.heading("Warning lights")
    d.table(["Colour", "Meaning", "What to do"], [
        ["**Red**", "A serious fault or danger: oil pressure, battery charging, brake system, engine "
         "temperature, low air pressure.", "Stop safely as soon as possible and switch off. Do not drive on."],
        ["**Amber**", "Something needs attention: engine management, ABS, low fuel, tyre pressure.",
         "Drive carefully and have it checked soon."],
        ["**Green or blue**", "Information: indicators, lights on, main beam (blue).",
         "No fault; switch off what you do not need."],
    ], [1600, 4400, 3600])
    d.heading("Heavy motor vehicles also")
    d.bullets([
        "Build up **air pressure** to working pressure; the low-pressure warning must stop before you move off.",
        "With the engine off and the brakes released, the air pressure may drop only a little: a fast "
        "drop means a leak.",
        "Test that the **parking brake** holds the vehicle against gentle power in a low gear.",
        "Know where the **fire extinguisher** and **warning triangles** are kept.",
    ])
    d.note("**Remember:** never move off until every check is done and every warning light is out.")
    return d


DOCUMENTS = {
    "Introduction to the Learner.rtf": introduction,
    "lmve.rtf": light_vehicle_exterior,
    "Hmve.rtf": heavy_vehicle_exterior,
    "mve.rtf": motorcycle_exterior,
    "Hmvi.rtf": interior,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "content", "doc")
    os.makedirs(target, exist_ok=True)
    for name, build in DOCUMENTS.items():
        path = os.path.join(target, name)
        with open(path, "wb") as out:
            out.write(build().rtf())
        print(path)


if __name__ == "__main__":
    main()
