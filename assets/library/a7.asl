Animals
	Farm Animals
	Sea Creatures
	Wild Animals
	Animal Pictures
Food
	Fruit Pictures
	Vegetables
	In the Kitchen
Nature
	Weather
	Trees and Flowers
	Planets and Space
Around the World
	Countries
	Getting Around
Fun and Games
	Sports
	Musical Instruments
