Farm Animals
Sea Creatures
Wild Animals
Animal Pictures
Fruit Pictures
Vegetables
In the Kitchen
Weather
Trees and Flowers
Planets and Space
Countries
Getting Around
Sports
Musical Instruments
