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
        "motor vehicle and 18 years for a heavy motor vehicle. For a larger motorcycle, ask your testing "
        "centre: the sources disagree.",
        "**Booking:** book at a testing centre (or online where your centre offers it). Bring your "
        "identity document, the photographs asked for and the fee. Your eyesight is tested on the day.",
        "**Three sections:** rules of the road, road signs, signals and markings, and the controls of "
        "the vehicle. You must pass **every** section; a high score in one does not make up for another.",
        "**The questions:** multiple choice, with three or more answers to each question; some "
        "questions list statements and ask which of them are true. Read every answer before you "
        "choose: often two look alike and differ in one word.",
        "**Pass marks:** at least 22 on the rules of the road, 23 on signs, signals and markings, and 6 "
        "of the 8 questions on vehicle controls.",
        "**Validity:** the learner's licence is valid for **24 months**. Take your driving test before "
        "it expires.",
        "**While learning:** when you drive a car or truck, a person with a driving licence for that "
        "vehicle must supervise you from the seat beside you (or straight behind you, if that is not "
        "possible). A learner motorcyclist needs no supervisor but may not carry a passenger.",
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
                "and check that it is safe and roadworthy. In the test the examiner watches, and you say each "
                "check out loud; if anything on the list does not work, the vehicle is unroadworthy and the "
                "test ends there. Follow the numbers on the picture: start at the front and walk all the way "
                "round.")
    d.picture(pictures.light_vehicle(), 560, 240, "Walk-around check points of a light motor vehicle.")
    d.heading("Before you start")
    d.bullets([
        "Look **under** the vehicle for leaks and obstructions, and **around** it for children, animals "
        "and objects in the way.",
        "Unlock it and check that the doors, windows and panels are secure.",
    ])
    d.heading("The walk-around")
    d.steps([
        "**Front lights and indicators:** headlights, park lights and indicators present, clean, not "
        "cracked or broken. The front number plate is fitted, clean and readable.",
        "**Windscreen and wipers:** no cracks or chips in the driver's view; wiper blades not torn or "
        "perished. The valid **licence disc** is displayed on the windscreen.",
        "**Front tyres and wheels:** tread at least **1 mm** deep over the whole tread, sidewalls without "
        "cuts, bulges or exposed cords, pressure right, valve cap on; **wheel nuts** all present and tight.",
        "**Side mirrors:** present, clean, not cracked and firmly fixed.",
        "**Doors and windows:** doors close and lock properly, windows clean, no loose or sharp body parts.",
        "**Rear tyres and wheels:** check them as you checked the front tyres.",
        "**Fuel cap:** present and closed tightly, no smell of fuel.",
        "**Rear lights and number plate:** tail lights, brake lights, indicators, reverse lights and "
        "reflectors clean and undamaged; rear number plate fitted, clean, secure and readable. Check "
        "the **boot** or tailgate closes properly.",
        "**Exhaust:** fixed firmly and not hanging loose.",
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
        "An **emergency warning triangle** (required in cars first registered from 1 July 2006) to place "
        "at least **45 m** behind the vehicle if it breaks down.",
    ])
    d.note("**Remember:** if you find a fault that makes the vehicle unsafe, do not drive it until the "
           "fault has been repaired.")
    return d


def heavy_vehicle_exterior():
    d = Document("Heavy Motor Vehicle: Exterior Inspection")
    d.heading("Heavy Motor Vehicle \u2013 Exterior Inspection", 0)
    d.paragraph("A heavy vehicle carries heavy loads at speed: a fault that goes unnoticed can cost lives. "
                "Inspect the vehicle before every trip, walking around it in the order of the numbers on "
                "the picture, and look underneath as you go. In the test the examiner watches and you say "
                "each check out loud; if anything on the list does not work, the vehicle is unroadworthy and "
                "the test ends there. The examiner works from the heavy-vehicle list of the official K53 "
                "manual: follow it where it differs from this guide.")
    d.picture(pictures.heavy_vehicle(), 600, 250, "Walk-around check points of a heavy motor vehicle.")
    d.heading("Before you start")
    d.bullets([
        "Park on level ground with the **parking brake applied**.",
        "Look **under and around** the vehicle for leaks, people, animals and obstructions.",
    ])
    d.heading("The walk-around")
    d.steps([
        "**Front lights:** headlights, park lights, indicators and front reflectors clean and "
        "undamaged; front number plate fitted, secure and readable.",
        "**Windscreen and wipers:** no cracks in the driver's view, wiper blades in good order; a valid "
        "**licence disc** displayed.",
        "**Mirrors:** all mirrors present, clean, firmly fixed and not cracked.",
        "**Front tyres and wheels:** tread at least **1 mm** deep, sidewalls without cuts or bulges, "
        "pressure right, valve caps on; **wheel nuts** all present and tight; steering parts not bent "
        "or loose.",
        "**Fuel tank:** secure on its mountings, **cap closed**, no leaks.",
        "**Chassis:** tanks and boxes fitted to the chassis secure, no leaks, nothing hanging loose or "
        "dragging.",
        "**Rear tyres and wheels:** check every tyre as you checked the front ones, both tyres of each "
        "twin wheel included; springs and suspension not broken or shifted.",
        "**Body and load:** panels, doors and tailgate secure and closed, the load evenly spread and "
        "**secured**, and no part of it sticking out further than the law allows.",
        "**Rear:** tail, brake and reverse lights, indicators, reflectors and reflective markings clean "
        "and complete; rear number plate fitted, secure and readable.",
        "**Mudguards and mudflaps:** present and not torn.",
        "**Under the vehicle:** no fresh oil, fuel or coolant on the ground; nothing hanging loose.",
    ])
    d.heading("Under the bonnet or cab")
    d.bullets([
        "**Engine oil**, **coolant** and **brake fluid** at the right level; **fan belt** not cracked or loose.",
    ])
    d.heading("Combination vehicles")
    d.bullets([
        "The **coupling** between the truck and the trailer locked and secure; the connections between "
        "them not tangled, chafed or dragging; the trailer's lights, reflectors and number plate checked "
        "like the truck's.",
    ])
    d.heading("Equipment")
    d.bullets([
        "At least one **emergency warning triangle**, to place at least **45 m** behind the vehicle if it "
        "stops on the road or the shoulder.",
        "Spare wheel secure, and the tools to change a wheel.",
    ])
    d.note("**Remember:** a heavy vehicle with a brake, steering, tyre or coupling fault must not be driven "
           "until it has been repaired.")
    return d


def motorcycle_exterior():
    d = Document("Motorcycle: Pre-ride Inspection")
    d.heading("Motorcycle \u2013 Pre-ride Inspection", 0)
    d.paragraph("A motorcycle has only two tyres and no body to protect you: a small fault is a big danger. "
                "Check the motorcycle before every ride. In the K53 test you look under the motorcycle for "
                "leaks as you walk up to it, then walk round it **anticlockwise**, checking from top to bottom: "
                "the front, down the left-hand side, the rear, and the same checks again down the right-hand "
                "side. The numbers on the picture show the check points.")
    d.picture(pictures.motorcycle(), 520, 250, "Check points of a motorcycle.")
    d.heading("The check")
    d.steps([
        "**Front tyre and wheel:** tread at least **1 mm** deep, no wear, cuts or bulges in the sidewalls, "
        "correct pressure (check when the tyre is cold), valve cap on; spokes and hub sound, no leaks.",
        "**Front brake and forks:** brake disc and lever in order, the lever feels firm; forks or shock "
        "absorbers not leaking; mudguard secure.",
        "**Headlight and indicators:** headlight, lenses and reflectors clean and not broken; indicators "
        "flash; windscreen or fairing secure.",
        "**Mirrors:** clean, tight and adjusted so you can see behind you.",
        "**Handlebar controls:** controls and cables not frayed or kinked; the **throttle** turns freely "
        "and snaps back closed by itself; clutch fluid at the right level if the clutch is hydraulic; "
        "**hooter** and switches work.",
        "**Fuel and battery:** fuel tap, enough fuel for the trip, filler cap closed; mention the "
        "**battery**; engine oil at the right level.",
        "**Chain and rear suspension:** chain **tensioned** and **oiled** as the owner's manual says, chain "
        "guard in place; exhaust secure; rear shock absorbers in order; gear lever and footpegs secure.",
        "**Rear tyre and brake:** check the tyre as the front one; rear brake disc in order and the brake "
        "pedal firm.",
        "**Rear light and number plate:** rear light, number-plate light and reflector work and are clean; "
        "the brake light comes on with **both** the lever and the pedal; the number plate is legal, fitted "
        "and readable; **licence disc** valid.",
        "**Stand:** the side stand and centre stand spring up fully and do not drag.",
    ])
    d.heading("Under the motorcycle")
    d.bullets([
        "No oil, fuel or coolant dripping; nothing hanging loose.",
    ])
    d.heading("Your protective gear")
    d.bullets([
        "A **helmet** that fits well, with the strap **fastened**, for the rider and any passenger; in the "
        "K53 test you keep it fastened the whole time.",
        "**Eye protection:** a clean visor or goggles.",
        "**Gloves**, a strong **jacket**, long trousers and **boots** that cover the ankles.",
        "Bright or reflective clothing so that other road users see you.",
    ])
    d.note("**Remember:** with a learner's licence you may not carry a passenger.")
    return d


def interior():
    d = Document("Interior Inspection")
    d.heading("Interior Inspection \u2013 Light and Heavy Motor Vehicles", 0)
    d.paragraph("Once the outside of the vehicle has been checked, get in and go through the K53 cockpit "
                "drill before you drive off, in the order below. In the test you say each check out loud "
                "while the examiner watches. Steps 1 and 2 must come in that order, and so must steps 5 "
                "and 6. The numbers in brackets point to the picture.")
    d.picture(pictures.interior(), 560, 300, "Check points inside the vehicle.")
    d.heading("The cockpit drill")
    d.steps([
        "**Parking brake:** check from the driver's seat that it is applied (picture 8).",
        "**Gear lever:** in **neutral**, or in **P** or **N** in an automatic (picture 9).",
        "**Nothing in the way:** no loose objects near the pedals or the controls (picture 10).",
        "**Gauges and warning lights:** look at them (pictures 4 and 5).",
        "**Seat:** set it so that you can press the pedals fully with your knees still slightly bent and "
        "reach the steering wheel comfortably, with your back against the backrest.",
        "**Mirrors:** set every mirror: the interior mirror to frame the rear window, the side mirrors to "
        "show the road beside and behind you (pictures 2 and 3).",
        "**Ignition:** turn the key to \u201con\u201d without starting the engine.",
        "**Electric windows:** check that they work, where fitted.",
        "**Instruments:** check the instruments now that the ignition is on (picture 4).",
        "**Lights, indicators, hooter and wipers:** work each one when the examiner asks, front and rear, "
        "while the examiner looks on (pictures 6 and 7).",
        "**Ignition off:** switch off the ignition and the switches you used.",
        "**Steering:** check the free play in the steering wheel.",
        "**Pedals:** check the pressure of the brake pedal and the clutch pedal (picture 10).",
        "**Wipers:** make sure they are parked in their rest position.",
        "**Doors:** closed; show your passengers how to open them.",
        "**Seat belts:** put on your own seat belt and ask your passengers to put on theirs (picture 1).",
        "**Releasing the belts:** show your passengers how to release their seat belts.",
    ])
    d.heading("Warning lights")
    d.table(["Colour", "Meaning", "What to do"], [
        ["**Red**", "A serious fault or danger, for example oil pressure, battery charging, brake system or "
         "engine temperature.", "Stop safely as soon as possible and switch off. Do not drive on."],
        ["**Amber**", "Something needs attention: engine management, ABS, low fuel, tyre pressure.",
         "Drive carefully and have it checked soon."],
        ["**Green or blue**", "Information: indicators, lights on, main beam (blue).",
         "No fault; switch off what you do not need."],
    ], [1600, 4400, 3600])
    d.heading("Heavy motor vehicles")
    d.bullets([
        "The same drill applies in a heavy vehicle.",
        "The examiner may add checks of the vehicle's own equipment from the heavy-vehicle list of the "
        "official K53 manual: follow the examiner and the vehicle's handbook.",
        "Know where the **warning triangle** is kept.",
    ])
    d.note("**Remember:** if anything on the list does not work, the vehicle is unroadworthy: do not drive it "
           "until it has been repaired.")
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
