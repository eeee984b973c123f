Gallops and neighs in the field
Gives us wool and says baa
Bearded climber; eats almost anything
Long-eared animal that brays
Lays eggs in the henhouse
Crows loudly at dawn
Big bird that gobbles
Honking bird with a long neck
A baby pig
A whole herd of cows and steers
A baby cow
A ewe's baby, born in spring
Small breed, good for first riders
Woolly pack animal from the Andes
Soft-fleeced grazer from Peru
Horned male of the herd
Strong, stubborn pack animal
A fluffy baby that quacks
Farm dog that herds the flock
Clever mammal that clicks and leaps
Fish with rows of sharp teeth
The largest animal that ever lived
Has eight arms and squirts ink
See-through drifter that can sting
Tiny fish; the father carries the eggs
Five-armed creature of rock pools
Big claws; turns red when cooked
Walks sideways on the beach
Ten-armed swimmer with a beak
Shellfish that can make a pearl
Tusked giant of the Arctic ice
Gentle sea cow of warm waters
Flat fish with a barbed tail
Tiny animals that build reefs
Small pink shellfish
The unicorn of the sea
Blows itself up like a spiky ball
Spiny ball living on the seabed
Sticks to rocks and ship hulls
Big striped cat of Asia
Striped horse of the savanna
River horse with a huge yawn
Armoured giant with a horned nose
Fastest runner on land
Spotted cat that naps in trees
Largest of the great apes
Our closest ape cousin; uses tools
Hops and carries a joey in a pouch
Sleepy eucalyptus eater
Black-and-white bamboo eater
Toothy reptile lurking in rivers
Desert traveller with humps
Biggest bird of all; it cannot fly
Pink bird standing on one leg
Spotted scavenger that seems to laugh
Huge deer with broad antlers
Builds dams with its teeth
Hangs upside down, moving very slowly
Stands on guard by its burrow
Rolls up inside its own armour
Red-haired ape of Borneo
DUCK.BMP
FROG.BMP
SNAIL.BMP
SNAKE.BMP
RABBIT.BMP
ELEPHANT.BMP
GIRAFFE.BMP
LION.BMP
FISH.BMP
TURTLE.BMP
PENGUIN.BMP
WHALE.BMP
OCTOPUS.BMP
BUTTERFL.BMP
LADYBIRD.BMP
APPLE.BMP
BANANA.BMP
CHERRY.BMP
GRAPES.BMP
LEMON.BMP
ORANGE.BMP
PEAR.BMP
STRAWBRY.BMP
WATERMEL.BMP
KIWI.BMP
PLUM.BMP
PEACH.BMP
COCONUT.BMP
AVOCADO.BMP
RASPBRY.BMP
Orange root that rabbits love
Mashed, baked or made into chips
Red fruit used in ketchup
Layers that make you cry
Strong cloves that scare vampires
Leafy head used in coleslaw
Looks like little green trees
White, knobbly head of florets
Leafy greens that made Popeye strong
Crisp leaves for a salad
Cool green slices in sandwiches
Carved into a lantern at Halloween
Round purple-and-white root
Pale, sweet root roasted in winter
Crunchy stalks, often eaten with a dip
Small, peppery red root
Deep purple root that stains
Green spears served with butter
A fungus often grown in the dark
Yellow kernels on a cob
Glossy and purple; also called eggplant
Pot with a long handle for boiling
Boils water for tea
Pops up browned bread
Flat tool for flipping pancakes
Wire loops that beat eggs
Deep, long-handled scoop for soup
Bowl with holes for draining pasta
Keeps food and drinks cold
Keeps the ice cream frozen
Heats leftovers in a minute or two
Whizzes fruit into smoothies
Shreds cheese into strips
Pours a hot brew from its spout
Sharp edge for cutting
For stirring, and for eating soup
Pronged tool for eating
Keeps your clothes clean while cooking
Machine that cleans the plates
Hot box for baking cakes
Takes the skin off potatoes
A pair of sticks used to eat noodles
Rumble that follows a flash
Bright zigzag bolt in a storm
White fluffy shape in the sky
Warm golden light on a clear day
Arc of seven colours after a shower
Very light, fine rain
Thin low haze of tiny drops
Balls of ice falling from the sky
Half rain, half snow
Heavy snowstorm with strong winds
Huge spinning storm over the ocean
Funnel of whirling wind
A gentle, cooling wind
Icy white coat on the lawn at dawn
A long time with no rain
Rainy season of South Asia
Tells you tomorrow's weather
Shows how hot or cold it is
Keeps you dry in a downpour
Splash in it with your wellies
Frozen spike hanging from the roof
Six-sided crystal falling in winter
Weeping tree by the riverbank
Its leaf is on Canada's flag
Tree with peeling white bark
Fragrant evergreen of Lebanon
Spiky cases hold its shiny nuts
Its seeds spin down like helicopters
Tallest trees on Earth, in California
Spiky leaves and red winter berries
Tropical tree with fronds and coconuts
A favourite Christmas tree
Evergreen with needles and cones
Thorny stem, sweet-scented bloom
Cup-shaped bloom from Holland
White petals round a yellow eye
Tall yellow bloom that follows the sun
Yellow trumpet of early spring
Exotic bloom, often grown indoors
Red flower worn for remembrance
Purple spikes with a calming scent
Woodland carpet of blue in spring
Its fluffy clock blows in the wind
Tiny white bell of late winter
Planet closest to the Sun
Hottest planet, wrapped in clouds
Pattern of stars, like Orion
Our home planet
The red planet
Largest planet, with a great red spot
Planet with bright icy rings
Ice giant that spins on its side
Windy blue planet farthest from the Sun
Dwarf planet beyond the eighth
Icy visitor with a glowing tail
Rocky lump; a belt of them circles the Sun
Shooting star streaking across the sky
Billions of stars, like the Milky Way
Glowing cloud where stars are born
Space traveller in a suit
Blasts off into space
Lets you see far-off stars
Circles the globe relaying TV signals
Path one body takes around another
When one body hides the Sun's light
Shines at night and has phases
Home of the Eiffel Tower
Berlin is its capital
Boot-shaped land of pizza and pasta
Flamenco and paella; capital Madrid
Lisbon is its capital
Birthplace of the Olympic Games
Land of fjords and Vikings
Land of the pyramids and the Nile
Safari land; capital Nairobi
Largest country in South America
Tango country; capital Buenos Aires
Land of tacos and the Aztecs
Maple leaf flag; capital Ottawa
Land of the rising sun
Home of the Great Wall
Home of the Taj Mahal
Home of kangaroos and koalas
Machu Picchu is here
Island of volcanoes and geysers
Land of windmills and tulips
Alps, chocolate and watches
Thousands of islands, Bali among them
Two wheels and pedals
Two wheels and an engine; wear a helmet
Push along with one foot
Board on four wheels for tricks
Carriages pulled along rails
Runs on rails through city streets
Flies with spinning rotor blades
Has wings and takes off from airports
Hot air lifts its basket
Travels deep under the sea
Boat that carries cars across water
Open boat with a single-bladed paddle
Narrow boat; paddle with two blades
Sailing boat for racing or cruising
Hail one and pay the fare
Pulls the plough on a farm
Rushes patients to hospital
Pulled or pedalled cart for passengers
Venetian boat steered with an oar
Rides on a cushion of air
Runs along one single beam track
Eleven a side; score in the net
Rackets, a net and Wimbledon
Raising a barbell above your head
Bat, ball, stumps and wickets
Oval ball; score a try
Sticks and a puck or ball
Shoot hoops to score
Knock the ball over a high net
Front crawl, backstroke and butterfly
Track and field events
Vaults, beams and floor routines
Hit a shuttlecock over a net
Bows, arrows and a target
Sword fighting with masks
Oars pull the boat through water
Slide down snowy slopes
Ride the waves on a board
Gloves on, in the ring
Japanese art of throws and holds
Chops and kicks; earn a black belt
Clubs, tees and eighteen holes
Pot the reds, then the colours
Black and white keys
Six strings, strummed or plucked
Played with a bow, tucked under the chin
Big string instrument played sitting down
Beat them with sticks
Brass with three valves
Silver pipe held sideways
Black woodwind with a single reed
Curved brass body, jazzy woodwind
Tall frame of strings, plucked by hand
Brass with a sliding tube
Biggest, deepest brass
Double-reed woodwind that tunes the orchestra
Squeeze box with buttons and keys
Round-bodied strings of bluegrass
Small four-stringed Hawaiian
Pocket-sized mouth organ
Wooden bars struck with mallets
Shake it and its jingles ring
Three-sided steel that goes ting
Scottish bag with drones
Plastic pipe many learn at school
